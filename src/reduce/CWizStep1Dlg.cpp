// SPDX-License-Identifier: MIT
#include "reduce/CWizStep1Dlg.h"

#include "core/ReductionRules.h"
#include "platform/DataExchange.h"
#include "platform/IntegerEdit.h"
#include "platform/Prompts.h"
#include "platform/WidgetId.h"
#include "reduce/CViewPhotoSizesDlg.h"
#include "reduce/CWizStep2Dlg.h"
#include "reduce/ReductionWorker.h"
#include "reduce/SizeChoice.h"
#include "res/ids.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace ctl = ids::wizardStep1;

namespace {

IntegerEdit* createNumberEdit(QWidget* parent, int id, int minimum, int maximum, int value)
{
    auto* edit = new IntegerEdit(parent);
    WidgetId::set(edit, id);
    edit->setDigitsOnly(true);
    edit->setRange(minimum, maximum);
    edit->setValue(value);
    edit->setFixedWidth(72);
    return edit;
}

QProgressBar* createBar(QWidget* parent, int id)
{
    auto* bar = new QProgressBar(parent);
    WidgetId::set(bar, id);
    bar->setOrientation(Qt::Vertical);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    bar->setFixedWidth(22);
    return bar;
}

// The size's caption with its access key: the first digit of the width, the
// first letter of Other, the h of No change (N is Next's) where the caption has one.
QString withMnemonic(SizeChoice::Index choice)
{
    QString caption = SizeChoice::caption(choice);
    const qsizetype h = choice == SizeChoice::Unchanged ? caption.indexOf(u'h') : -1;
    return caption.insert(std::max<qsizetype>(h, 0), u'&');
}

} // namespace

CWizStep1Dlg::CWizStep1Dlg(const ReductionSettings& settings, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
{
    WidgetId::set(this, ids::tmpl::WizardStep1);
    setWindowTitle(tr("Reduce photos - size and quality"));
    createControls();

    keepWidestEstimateRoom();
    exchange(false);
    m_inputBar->setValue(100); // never changed again: the output bar is read against it
    m_outputBar->setValue(0);
    enableCustomSize();
    showEstimate(SizeChoice::Size640);
    m_settings.sizeChoice = SizeChoice::Size640;
    tabToChosenSize();
}

// The group's caption changes with each size: the dialog keeps the width of the
// widest, so its buttons never move under the pointer.
void CWizStep1Dlg::keepWidestEstimateRoom()
{
    int widest = 0;
    for (int choice = 0; choice < SizeChoice::Count; ++choice) {
        showEstimate(SizeChoice::Index(choice));
        widest = std::max(widest, m_sizeGroup->minimumSizeHint().width());
    }
    m_sizeGroup->setMinimumWidth(widest);
}

// Tab into the sizes lands on the chosen one (the arrows move between them):
// only the checked button takes the focus from Tab.
void CWizStep1Dlg::tabToChosenSize()
{
    for (QAbstractButton* button : std::as_const(m_sizeButtons))
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Made in the order Tab goes through them: the sizes and the quality first, so
// the dialog opens with the focus on the chosen size and Enter goes on to Next.
void CWizStep1Dlg::createControls()
{
    auto* top = new QHBoxLayout;
    top->addLayout(createSizeGroup(), 1);
    top->addLayout(createBars());

    auto* showSize = new QPushButton(tr("&Show size"), this);
    WidgetId::set(showSize, ctl::ShowSize);
    auto* next = new QPushButton(tr("&Next >>"), this);
    WidgetId::set(next, ctl::Next);
    next->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    WidgetId::set(cancel, ctl::Cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showSize);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(showSize, &QPushButton::clicked, this, &CWizStep1Dlg::onShowSize);
    connect(next, &QPushButton::clicked, this, &CWizStep1Dlg::onNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The six sizes in their group, the custom box on the custom row, the quality below.
// Each number edit has its arrows built in (they stand for the spin buttons).
QLayout* CWizStep1Dlg::createSizeGroup()
{
    m_sizeGroup = new QGroupBox(this);
    WidgetId::set(m_sizeGroup, ctl::SizeGroup);
    auto* sizes = new QVBoxLayout(m_sizeGroup);
    for (int index = 0; index < SizeChoice::Count; ++index) {
        const auto choice = SizeChoice::Index(index);
        auto* button = new QRadioButton(withMnemonic(choice), m_sizeGroup);
        WidgetId::set(button, SizeChoice::controlId(choice));
        m_sizeButtons.append(button);
        connect(button, &QRadioButton::clicked, this, [this, choice] { onSizeClicked(choice); });
        if (choice != SizeChoice::Custom) {
            sizes->addWidget(button);
            continue;
        }
        m_widthEdit = createNumberEdit(m_sizeGroup, ctl::CustomWidth, snapwane::kMinBoxSide, snapwane::kMaxBoxSide,
                                       m_settings.customWidth);
        m_heightEdit = createNumberEdit(m_sizeGroup, ctl::CustomHeight, snapwane::kMinBoxSide, snapwane::kMaxBoxSide,
                                        m_settings.customHeight);
        auto* customRow = new QHBoxLayout;
        customRow->addWidget(button);
        m_widthEdit->setAccessibleName(tr("Width"));
        m_heightEdit->setAccessibleName(tr("Height"));
        customRow->addWidget(m_widthEdit);
        customRow->addWidget(new QLabel(QStringLiteral("x "), m_sizeGroup));
        customRow->addWidget(m_heightEdit);
        customRow->addStretch();
        sizes->addLayout(customRow);
    }

    m_qualityEdit = createNumberEdit(this, ctl::Quality, snapwane::kMinQuality, snapwane::kMaxQuality,
                                     int(m_settings.quality));
    m_qualityEdit->setAccessibleDescription(tr("10 to 100 percent"));
    auto* qualityLabel = new QLabel(tr("JPEG &quality:"), this);
    qualityLabel->setBuddy(m_qualityEdit);
    auto* quality = new QHBoxLayout;
    quality->addWidget(qualityLabel);
    quality->addWidget(m_qualityEdit);
    quality->addWidget(new QLabel(QStringLiteral("10 - 100 % "), this));
    quality->addStretch();

    auto* column = new QVBoxLayout;
    column->addWidget(m_sizeGroup);
    column->addLayout(quality);
    return column;
}

QLayout* CWizStep1Dlg::createBars()
{
    m_inputBar = createBar(this, ctl::InputBar);
    m_inputBar->setAccessibleName(tr("Input"));
    m_inputBar->setAccessibleDescription(tr("The size of the photos now"));
    m_outputBar = createBar(this, ctl::OutputBar);
    m_outputBar->setAccessibleName(tr("Output"));
    m_outputBar->setAccessibleDescription(tr("The size of the reduced photos, against the input"));
    auto* grid = new QGridLayout;
    grid->addWidget(m_inputBar, 0, 0, Qt::AlignHCenter);
    grid->addWidget(m_outputBar, 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Input"), this), 1, 0, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Output"), this), 1, 1, Qt::AlignHCenter);
    return grid;
}

// Reading stops at the first refused field, which keeps its previous value, as
// do the fields after it. The custom box is read only while it is chosen: what
// is left in its disabled fields is no matter.
bool CWizStep1Dlg::exchange(bool reading)
{
    DataExchange dx(reading ? DataExchange::Read : DataExchange::Write);
    int checked = m_settings.sizeChoice;
    dx.radio(m_sizeButtons, checked);
    m_settings.sizeChoice = SizeChoice::Index(checked);
    if (!reading || m_settings.sizeChoice == SizeChoice::Custom) {
        dx.integer(m_widthEdit, m_settings.customWidth, snapwane::kMinBoxSide, snapwane::kMaxBoxSide);
        dx.integer(m_heightEdit, m_settings.customHeight, snapwane::kMinBoxSide, snapwane::kMaxBoxSide);
    }
    dx.positiveInteger(m_qualityEdit, m_settings.quality, snapwane::kMinQuality, snapwane::kMaxQuality);
    return dx.ok();
}

void CWizStep1Dlg::enableCustomSize()
{
    const bool custom = m_sizeButtons[SizeChoice::Custom]->isChecked();
    m_widthEdit->setEnabled(custom);
    m_heightEdit->setEnabled(custom);
}

void CWizStep1Dlg::showEstimate(SizeChoice::Index choice)
{
    const SizeChoice::Estimate estimate = SizeChoice::estimate(choice, m_settings.photoCount, m_settings.inputBytes);
    m_sizeGroup->setTitle(estimate.groupCaption);
    m_outputBar->setValue(estimate.outputBar);
}

// A refused field shows its message; the estimate follows the click all the same.
void CWizStep1Dlg::onSizeClicked(SizeChoice::Index choice)
{
    exchange(true);
    enableCustomSize();
    tabToChosenSize();
    showEstimate(choice);
    m_settings.sizeChoice = choice;
}

// The box of the checked size. Next makes a custom box even (the user sees the
// even values); Show size takes it as typed.
void CWizStep1Dlg::setTargetBox(bool makeEven)
{
    if (makeEven && m_settings.sizeChoice == SizeChoice::Custom) {
        m_settings.customWidth = snapwane::EvenSide(m_settings.customWidth);
        m_settings.customHeight = snapwane::EvenSide(m_settings.customHeight);
        exchange(false);
    }
    const QSize box = SizeChoice::box(m_settings.sizeChoice, m_settings.customWidth, m_settings.customHeight);
    m_settings.targetWidth = box.width();
    m_settings.targetHeight = box.height();
}

// A refused field has shown its message and has the focus: the user stays here
// to mend it. Step 1 ends only when step 2 ends with Start and a last reading of
// every field succeeds.
void CWizStep1Dlg::onNext()
{
    if (!exchange(true))
        return;
    setTargetBox(true);
    if (!m_settings.hasUsableBox())
        return;
    CWizStep2Dlg step2(this);
    do {
        if (runStep2(step2) != QDialog::Accepted)
            return;
    } while (!mayReplaceFilesOf(step2)); // No: back to step 2, nothing written
    m_settings.outputFolder = step2.outputFolder();
    m_settings.archiveName = step2.archiveName();
    m_settings.emailAddress = step2.emailAddress();
    m_settings.makeSingleFile = step2.makeSingleFile();
    m_settings.makeEmail = step2.makeEmail();
    if (exchange(true))
        accept();
}

void CWizStep1Dlg::onShowSize()
{
    if (!exchange(true))
        return;
    setTargetBox(false);
    if (!m_settings.hasUsableBox())
        return;
    CViewPhotoSizesDlg preview(QSize(m_settings.targetWidth, m_settings.targetHeight), m_settings.firstPhotoPath,
                               m_settings.firstCorrections, this);
    runPreview(preview);
}

// Asked once, before anything is written, when the run would write over any
// existing file: a photo of the same name, a listed photo's own original, the archive.
bool CWizStep1Dlg::mayReplaceFilesOf(const CWizStep2Dlg& step2) const
{
    const QString folder = step2.outputFolder();
    const QString archive
        = step2.makeSingleFile() != 0 ? ReductionWorker::archivePathOf(folder, step2.archiveName()) : QString();
    const ReductionSettings::ReplacedFiles replaced
        = m_settings.filesReplacedIn ? m_settings.filesReplacedIn(folder, archive) : ReductionSettings::ReplacedFiles{};
    if (replaced.files == 0)
        return true;
    // Nothing is said of originals when none would be replaced.
    QString question = tr("%n file(s) in %1 would be replaced", nullptr, replaced.files).arg(folder);
    if (replaced.originals > 0)
        question += replaced.files == 1 ? tr(" (the original of one of your photos)")
                                        : tr(" (%n of them original(s) of your photos)", nullptr, replaced.originals);
    return Prompts::askYesNo(question + tr(". Replace them?", nullptr, replaced.files));
}

int CWizStep1Dlg::runStep2(CWizStep2Dlg& step2)
{
    return step2.exec();
}

void CWizStep1Dlg::runPreview(CViewPhotoSizesDlg& preview)
{
    preview.exec();
}
