// SPDX-License-Identifier: MIT
#include "platform/UserGuide.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString UserGuide::windowTitle()
{
    return tr("Snapwane user guide");
}

QString UserGuide::path(const QString& programFolder)
{
    const QString installed =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(SNAPWANE_GUIDE_FROM_BINDIR));
    const QString besideTheBuild = programFolder + QStringLiteral("/docs/guide/index.html");
    for (const QString& candidate : {installed, besideTheBuild}) {
        if (QFileInfo(candidate).isFile())
            return QDir::toNativeSeparators(candidate);
    }
    return {};
}

QDialog* UserGuide::showInWindow(const QString& page, QWidget* parent)
{
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(windowTitle());
    auto* browser = new QTextBrowser(window);
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl::fromLocalFile(page));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    window->resize(720, 560);
    window->show();
    return window;
}
