// SPDX-License-Identifier: MIT
#include "app/CAboutDlg.h"

#include "core/Version.h"
#include "platform/Shell.h"
#include "platform/WidgetId.h"
#include "res/AppResources.h"
#include "res/ids.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QUrl>

const QString CAboutDlg::kHomePage = QStringLiteral("https://www.quenfield.com");
const QString CAboutDlg::kSupportAddress = QStringLiteral("support@quenfield.com");
QString CAboutDlg::emailSubject()
{
    return tr("About Snapwane software");
}

namespace {

QPushButton* addButton(QDialogButtonBox* box, const QString& text, int id, QDialogButtonBox::ButtonRole role)
{
    QPushButton* button = box->addButton(text, role);
    WidgetId::set(button, id);
    return button;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    WidgetId::set(this, ids::tmpl::About);
    setWindowTitle(tr("About Snapwane"));

    auto* icon = new QLabel(this);
    icon->setPixmap(AppResources::appIcon().pixmap(QSize(64, 64), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);
    icon->setAccessibleName(tr("Snapwane"));
    auto* product = new QLabel(tr("<b>Quenfield Snapwane</b>, version %1").arg(QLatin1String(snapwane::kShortVersion)),
                               this);
    const QDate releaseDate(snapwane::kReleaseYear, snapwane::kReleaseMonth, snapwane::kReleaseDay);
    auto* released = new QLabel(tr("Released %1").arg(QLocale().toString(releaseDate, QLocale::LongFormat)), this);
    auto* licence = new QLabel(tr("Free software under the MIT licence"), this);
    auto* web = new QLabel(kHomePage, this);
    auto* mail = new QLabel(kSupportAddress, this);
    for (QLabel* label : {web, mail})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    connect(addButton(buttons, tr("&Home page"), ids::about::HomePage, QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &CAboutDlg::openHomePage);
    connect(addButton(buttons, tr("&E-mail"), ids::about::Email, QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &CAboutDlg::writeEmail);
    QPushButton* ok = addButton(buttons, tr("&OK"), ids::about::Close, QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 5, 1);
    layout->addWidget(product, 0, 1);
    layout->addWidget(released, 1, 1);
    layout->addWidget(web, 2, 1);
    layout->addWidget(mail, 3, 1);
    layout->addWidget(licence, 4, 1);
    layout->addWidget(buttons, 5, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::openHomePage()
{
    Shell::openUrl(QUrl(kHomePage));
}

void CAboutDlg::writeEmail()
{
    Shell::openUrl(Shell::mailTo(kSupportAddress, emailSubject()));
}
