// SPDX-License-Identifier: MIT
// What a screen reader and a keyboard user find in each window of the program:
// every control a user works has a name, every dialog button and every label
// of a field has an access key, and the label leads to its field.
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CMainView.h"
#include "photos/CFileProgressDlg.h"
#include "photos/PhotoRecord.h"
#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoListView.h"
#include "imaging/CPhotoProgressDlg.h"
#include "reduce/CViewPhotoSizesDlg.h"
#include "reduce/CWizStep1Dlg.h"
#include "reduce/CWizStep2Dlg.h"
#include "support/QtTestSupport.h"
#include "support/TestJpeg.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

bool isWorkedByTheUser(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ProgressBar:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Table:
    case QAccessible::Graphic:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}

// Where an interface sits in its window, for the message.
QString pathOf(QAccessibleInterface* item)
{
    QStringList path;
    for (QAccessibleInterface* at = item; at; at = at->parent()) {
        const QObject* object = at->object();
        path.prepend(object ? QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName()
                            : QStringLiteral("item"));
        if (object && object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow())
            break;
    }
    return path.join(QStringLiteral(" > "));
}

// The controls below `root` whose accessible name is empty.
void collectUnnamed(QAccessibleInterface* root, QStringList& unnamed)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child)
            continue;
        if (isWorkedByTheUser(child->role()) && child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(pathOf(child));
        collectUnnamed(child, unnamed);
    }
}

// Dialog buttons and labels of fields without an access key, and labels that
// do not lead to a field.
void collectWithoutAccessKey(QWidget* dialog, QStringList& faults)
{
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<const QToolButton*>(button) && !button->text().isEmpty() && !button->text().contains(u'&'))
            faults.append(button->text());
    }
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().contains(u'&') != (label->buddy() != nullptr))
            faults.append(QStringLiteral("label ") + label->text());
    }
}

TEST(Accessibility, EveryControlOfEveryWindowHasANameAndEveryDialogItsAccessKeys)
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(snapwane::test::WriteJpeg(photo, snapwane::test::MakeFilled(640, 480, 90, 140, 200)));
    CMainFrame frame;
    CMainView* view = frame.view();
    PhotoRecord record;
    ASSERT_EQ(PhotoRecord::Load(photo, view->photoProgressDlg(), record), PhotoRecord::Outcome::Loaded);
    ASSERT_TRUE(view->collectionEditor().append(std::move(record)));
    frame.show();

    ReductionSettings settings;
    settings.photoCount = 1;
    settings.firstPhotoPath = photo;
    CWizStep1Dlg step1(settings, &frame);
    CWizStep2Dlg step2(&frame);
    CViewPhotoSizesDlg preview(QSize(640, 480), photo, {}, &frame);
    CAboutDlg about(&frame);
    QWidget* const dialogs[] = {&step1, &step2, &preview, &about, view->colorCorrectionDlg(),
                                view->fileProgressDlg(), view->photoProgressDlg(), view->fullScreenDlg()};

    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&frame), unnamed);
    for (QWidget* dialog : dialogs)
        collectUnnamed(QAccessible::queryAccessibleInterface(dialog), unnamed);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u'\n').toStdString();

    QStringList withoutKey;
    for (QWidget* dialog : dialogs)
        collectWithoutAccessKey(dialog, withoutKey);
    EXPECT_TRUE(withoutKey.isEmpty()) << withoutKey.join(u'\n').toStdString();
    frame.close();
}

} // namespace
