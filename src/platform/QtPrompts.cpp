#include "platform/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

const QString QtPrompts::kTitle = QStringLiteral("Snapwane");

void QtPrompts::showInformation(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), kTitle, text);
}

bool QtPrompts::showYesNo(const QString& text)
{
    return QMessageBox::question(QApplication::activeWindow(), kTitle, text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QStringList QtPrompts::showOpenFiles(const QString& title, const QString& filter)
{
    const QStringList files =
        QFileDialog::getOpenFileNames(QApplication::activeWindow(), title, QDir::currentPath(), filter);
    if (!files.isEmpty())
        QDir::setCurrent(QFileInfo(files.first()).absolutePath());
    return files;
}

QString QtPrompts::showFolderBrowser(const QString& title, const QString& start)
{
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}
