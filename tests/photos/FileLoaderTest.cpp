// SPDX-License-Identifier: MIT
// Loading chosen files (command 130): counting captions, duplicates, shortcuts,
// bad files among good ones, Stop, cancelling, the end steps and the capacity.
#include "LoaderFixture.h"

#include "app/CommandActions.h"
#include "imaging/CPhotoImage.h"
#include "photos/FileLoader.h"
#include "platform/QtPrompts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

using snapwane::test::MakeJpeg;

class FileLoader_ : public LoaderFixture
{
};

TEST_F(FileLoader_, CountsEachAppendedPhotoAgainstTheExpectedTotal)
{
    load(folder.writeMany(QStringLiteral("old"), 10));
    ASSERT_EQ(collection().count(), 10);
    load(folder.writeMany(QStringLiteral("new"), 3));
    EXPECT_EQ(recorder.captions, (QStringList{QStringLiteral("11 of 13 loaded"), QStringLiteral("12 of 13 loaded"),
                                              QStringLiteral("13 of 13 loaded"), QStringLiteral("READY")}));
    EXPECT_EQ(prompts.log.last(), QStringLiteral("files: Select and add JPEG photos | ") + FileLoader::filter());
}

TEST_F(FileLoader_, AnUndecodableFileIsPassedOverAndNamedAtTheEnd)
{
    load(folder.writeMany(QStringLiteral("old"), 10));
    const QStringList chosen = {folder.writeJpeg(QStringLiteral("a.jpg"), 640, 480),
                                folder.write(QStringLiteral("b.jpg"), {0xFF, 0xD8, 0xFF, 0xE0, 0x00}),
                                folder.writeJpeg(QStringLiteral("c.jpg"), 640, 480)};
    load(chosen);
    EXPECT_EQ(recorder.captions, (QStringList{QStringLiteral("11 of 13 loaded"), QStringLiteral("12 of 13 loaded"),
                                              QStringLiteral("READY")}));
    EXPECT_EQ(collection().count(), 12);
    EXPECT_EQ(prompts.messages(), QStringList{"1 file was not loaded:\n\n" + chosen[1] + ": not a JPEG photo or damaged"});
}

TEST_F(FileLoader_, BadFilesAmongGoodOnesNeverStopTheLoad)
{
    std::vector<std::uint8_t> cut = MakeJpeg(800, 600);
    cut.resize(cut.size() / 2);
    std::vector<std::uint8_t> large = MakeJpeg(320, 240); // as large as a phone's photo
    large.resize(5'000'000, 0);
    const QStringList chosen = {
        folder.writeJpeg(QStringLiteral("first photo.jpg"), 400, 300),
        folder.write(QStringLiteral("empty.jpg"), {}),
        folder.write(QStringLiteral("large.jpg"), large),
        folder.write(QStringLiteral("notes.jpg"), {'h', 'e', 'l', 'l', 'o'}),
        folder.writeJpeg(QStringLiteral("small.jpg"), 250, 400),
        folder.path(QStringLiteral("vanished.jpg")),
        folder.writeJpeg(QStringLiteral("it's \"quoted\".jpg"), 400, 300),
        folder.write(QStringLiteral("cut off.jpg"), cut), // a cut photo still shows what is there
        folder.writeJpeg(QString::fromUtf8("Čočka ü.JPEG"), 400, 300, 1),
    };
    load(chosen);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("first photo.jpg"), QStringLiteral("large.jpg"),
                                    QStringLiteral("it's \"quoted\".jpg"), QStringLiteral("cut off.jpg"),
                                    QString::fromUtf8("čočka ü.jpeg")}));
    EXPECT_EQ(recorder.captions.last(), QStringLiteral("READY"));
    // One message at the end names the others, in the order chosen, with their reasons.
    EXPECT_EQ(prompts.messages(), QStringList{"4 files were not loaded:\n\n" + chosen[1] + ": empty file\n" + chosen[3]
                                              + ": not a JPEG photo or damaged\n" + chosen[4]
                                              + ": smaller than 320 x 240\n" + chosen[5] + ": cannot open the file"});
}

TEST_F(FileLoader_, RowsShowLowerCaseNamesButPhotosKeepTheirRealPath)
{
    QDir(folder.path(QString())).mkdir(QStringLiteral("Camera"));
    const QString real = folder.writeJpeg(QStringLiteral("Camera/IMG_0001.JPG"), 640, 480);
    load({real});
    ASSERT_EQ(collection().count(), 1);
    const PhotoRecord& row = collection().record(0);
    EXPECT_EQ(row.name, QStringLiteral("img_0001.jpg"));
    EXPECT_EQ(row.folder, QDir::toNativeSeparators(folder.path(QStringLiteral("Camera/"))).toLower());
    EXPECT_EQ(collection().pathOf(0), real);
    EXPECT_EQ(collection().photo(0).GetPath(), real);
    EXPECT_EQ(progress()->fileNameLine()->text(), QString()); // cleared at the normal end
}

TEST_F(FileLoader_, ChosenTwiceOrAlreadyListedAddsNothing)
{
    const QString photo = folder.writeJpeg(QStringLiteral("a.jpg"), 640, 480);
    load({photo, photo});
    EXPECT_EQ(collection().count(), 1);
    load({photo});
    EXPECT_EQ(collection().count(), 1);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(FileLoader_, ShellShortcutsAreSkippedInAnyCase)
{
    const std::vector<std::uint8_t> photo = MakeJpeg(640, 480);
    load({folder.write(QStringLiteral("photo.lnk"), photo), folder.write(QStringLiteral("PHOTO.JPG.LNK"), photo),
          folder.write(QStringLiteral("keep.jpg"), photo)});
    EXPECT_EQ(names(), QStringList{QStringLiteral("keep.jpg")});
}

TEST_F(FileLoader_, StopFinishesTheFileInHandAndKeepsThePhotosSoFar)
{
    const QStringList chosen = folder.writeMany(QStringLiteral("p"), 10);
    int rowsWhenFourthBegan = -1;
    QObject::connect(progress()->progressBar(), &QProgressBar::valueChanged, [&](int position) {
        if (position != 3)
            return;
        rowsWhenFourthBegan = collection().rowCount();
        EXPECT_TRUE(view()->state().isLoading());
        progress()->findChild<QPushButton*>()->click();
        EXPECT_FALSE(progress()->isVisible()); // hidden at once
    });
    load(chosen);
    EXPECT_EQ(rowsWhenFourthBegan, 3); // rows appear while the load runs
    EXPECT_EQ(collection().count(), 4);
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_EQ(progress()->windowTitle(), QString());
    EXPECT_EQ(progress()->m_bStop.load(), 0);
    EXPECT_EQ(progress()->progressBar()->value(), 3); // bar and file line keep their last values
    EXPECT_EQ(progress()->fileNameLine()->text(), chosen[3].toLower());
    EXPECT_EQ(view()->state().currentIndex(), 0);
    EXPECT_EQ(view()->fileList()->selectedRow(), 0);

    load(folder.writeMany(QStringLiteral("q"), 2)); // the next load starts afresh
    EXPECT_EQ(collection().count(), 6);
    EXPECT_EQ(recorder.captions.last(), QStringLiteral("READY"));
}

TEST_F(FileLoader_, NormalEndMovesTheBarBackAndSelectsRowZero)
{
    load(folder.writeMany(QStringLiteral("p"), 5));
    EXPECT_EQ(positions, (QList<int>{1, 2, 3, 4, 0})); // from 0, one step as each file begins
    EXPECT_EQ(progress()->progressBar()->maximum(), 5);
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_EQ(view()->state().currentIndex(), 0);
    EXPECT_EQ(view()->fileList()->selectedRow(), 0);
    EXPECT_TRUE(frame.commands()->action(ids::cmd::RemovePhoto)->isEnabled());
}

TEST_F(FileLoader_, CancellingTheDialogStillSelectsRowZero)
{
    load(folder.writeMany(QStringLiteral("p"), 5));
    view()->fileList()->selectRow(3);
    view()->state().setCurrentIndex(3);
    load({});
    EXPECT_EQ(collection().count(), 5);
    EXPECT_EQ(view()->state().currentIndex(), 0);
    EXPECT_EQ(view()->fileList()->selectedRow(), 0);
    EXPECT_EQ(progress()->windowTitle(), QStringLiteral("READY"));
}

TEST_F(FileLoader_, CapacityKeeps1000PhotosAndSaysSoOnce)
{
    load(folder.writeMany(QStringLiteral("p"), 1005));
    EXPECT_EQ(collection().count(), CPhotoCollection::kCapacity);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("You cannot load more than 1000 files")});
    EXPECT_EQ(progress()->windowTitle(), QString()); // the stop end

    load({folder.writeJpeg(QStringLiteral("one more.jpg"), 640, 480)}); // a full collection never grows
    EXPECT_EQ(collection().count(), CPhotoCollection::kCapacity);
    EXPECT_EQ(prompts.messages().size(), 2);
}

TEST_F(FileLoader_, ClosingTheWindowDuringALoadEndsItSafely)
{
    const QStringList chosen = folder.writeMany(QStringLiteral("p"), 40);
    prompts.fileAnswers.push_back(chosen);
    auto window = std::make_unique<CMainFrame>();
    CMainView* mainView = window->view();
    window->onCommand(ids::cmd::LoadFiles);
    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return mainView->collection().count() >= 2; }));
    window.reset(); // stops the worker after the file in hand, then releases the photos
    SUCCEED();
}

// The filter's patterns as the file dialog reads them: .jpg and .jpeg in any
// case, nothing else; the dialog shows the filter's name alone.
TEST(FileDialogFilter, MatchesJpegNamesInAnyCase)
{
    snapwane::test::PhotoFolder files;
    for (const char* name : {"a.jpg", "B.JPG", "c.Jpeg", "d.jPeG", "e.png", "f.jpg.lnk", "g.jpgx", "h.txt", "i.jpe",
                             "j k \u00fc.jPg", "l.jpg.txt"})
        files.write(QString::fromUtf8(name), {1});
    std::unique_ptr<QFileDialog> dialog(QtPrompts::createOpenFilesDialog(nullptr, FileLoader::dialogTitle(),
                                                                         FileLoader::filter()));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QString folder = QDir::cleanPath(files.path(QString()));
    bool loaded = false;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, [&](const QString& path) {
        loaded = loaded || QDir::cleanPath(path) == folder; // the current folder may come first
    });
    dialog->setDirectory(folder);
    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return loaded; }));

    const QModelIndex root = model->index(folder);
    QStringList shown;
    for (int row = 0; row < model->rowCount(root); ++row)
        shown.append(model->index(row, 0, root).data().toString());
    shown.sort();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("B.JPG"), QStringLiteral("a.jpg"), QStringLiteral("c.Jpeg"),
                                  QStringLiteral("d.jPeG"), QString::fromUtf8("j k \u00fc.jPg")}));
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->itemText(0), QStringLiteral("Jpeg photos (*.jpg, *.jpeg)"));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
}

} // namespace
