// SPDX-License-Identifier: MIT
#include "platform/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>

const QString QtPrompts::kTitle = QStringLiteral("Snapwane");

namespace {

// What a desktop's title bar holds besides the title: the window's icon and its
// minimise, maximise and close buttons. Qt leaves room for 50 pixels of them,
// and a window manager cut the title of a short message's box to "Sn... ne".
constexpr int kTitleBarControlsWidth = 150;

// Runs a message box modally and deletes it once, even when its parent went
// (and took it along) while it was up.
int runModal(QMessageBox* box)
{
    const QPointer<QMessageBox> guard(box);
    const int answer = box->exec();
    delete guard.data();
    return answer;
}

} // namespace

QMessageBox* QtPrompts::createMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                         QMessageBox::StandardButtons buttons)
{
    auto* box = new QMessageBox(icon, kTitle, text, buttons, parent);
    QFont titleFont = box->font();
    titleFont.setBold(true);
    const int titleBarWidth = QFontMetrics(titleFont).horizontalAdvance(kTitle) + kTitleBarControlsWidth;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(titleBarWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    return box;
}

void QtPrompts::showInformation(const QString& text)
{
    runModal(createMessageBox(QApplication::activeWindow(), QMessageBox::Information, text, QMessageBox::Ok));
}

QMessageBox* QtPrompts::createRunMessage(QWidget* parent, const QString& text)
{
    QMessageBox* message = createMessageBox(parent, QMessageBox::Information, text, QMessageBox::Ok);
    message->setWindowModality(Qt::NonModal);
    message->setAttribute(Qt::WA_DeleteOnClose);
    return message;
}

QWidget* QtPrompts::showRunMessage(const QString& text)
{
    QMessageBox* message = createRunMessage(QApplication::activeWindow(), text);
    message->show();
    return message;
}

bool QtPrompts::showYesNo(const QString& text)
{
    QMessageBox* box = createMessageBox(QApplication::activeWindow(), QMessageBox::Question, text,
                                        QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
    return runModal(box) == QMessageBox::Yes;
}

QString QtPrompts::caseInsensitiveFilter(const QString& filter)
{
    const qsizetype open = filter.lastIndexOf(u'(');
    if (open < 0 || !filter.endsWith(u')'))
        return filter;
    QStringList patterns = filter.mid(open + 1, filter.size() - open - 2).split(u' ', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        if (pattern.contains(u'['))
            continue; // already spells out its own character classes
        QString anyCase;
        for (QChar c : pattern) {
            const QChar lower = c.toLower();
            const QChar upper = c.toUpper();
            anyCase += lower == upper ? QString(c) : QStringLiteral("[%1%2]").arg(lower, upper);
        }
        pattern = anyCase;
    }
    return filter.left(open + 1) + patterns.join(u' ') + u')';
}

QFileDialog* QtPrompts::createOpenFilesDialog(QWidget* parent, const QString& title, const QString& filter)
{
    auto* dialog = new QFileDialog(parent, title, QDir::currentPath(), caseInsensitiveFilter(filter));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    return dialog;
}

QStringList QtPrompts::showOpenFiles(const QString& title, const QString& filter)
{
    // The dialog belongs to its parent: should the parent go while the dialog
    // runs, it takes the dialog with it, and the guard sees that.
    const QPointer<QFileDialog> dialog = createOpenFilesDialog(QApplication::activeWindow(), title, filter);
    const int answer = dialog->exec();
    if (!dialog)
        return {};
    const QStringList chosen = dialog->selectedFiles();
    delete dialog.data();
    if (answer != QDialog::Accepted)
        return {};
    QStringList files;
    for (const QString& file : chosen)
        files.append(QDir::toNativeSeparators(file));
    if (!files.isEmpty())
        QDir::setCurrent(QFileInfo(files.first()).absolutePath());
    return files;
}

QString QtPrompts::showFolderBrowser(const QString& title, const QString& start)
{
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}
