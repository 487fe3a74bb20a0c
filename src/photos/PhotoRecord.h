// SPDX-License-Identifier: MIT
#pragma once
#include <QIcon>
#include <QString>

#include <cstdint>
#include <memory>

#include "core/LookAheadPool.h"
#include "imaging/CPhotoImage.h"

#include <QStringList>

class CPhotoProgressDlg;

// One photo of the collection: the details its file-list row shows and its
// CPhotoImage, which holds the thumbnail and the corrections. A loader makes
// the record on its worker thread (Load) and hands it to the GUI thread, which
// appends it (CollectionEditor::append); from then on it belongs to the
// collection and is used on the GUI thread.
struct PhotoRecord
{
    enum class Outcome {
        Loaded,   // ready to append
        Skipped,  // the file cannot be read or is no acceptable photo: no row
        NoMemory, // no photo object could be had: the load must end
    };

    QString path;                 // the file's real path (reads and reloads use it)
    QString name;                 // file name in lower case (column "File")
    QString folder;               // folder in lower case, ending with one separator (column "Folder")
    std::uintmax_t fileBytes = 0; // column "Size, bytes"
    QString modified;             // last write, local time, "%Y.%m.%d  %H:%M"; empty when unknown
    QIcon icon;                   // the small file-type icon; set on the GUI thread
    std::unique_ptr<CPhotoImage> image;

    // A record that only describes path (name and folder from it); no file is
    // touched and the image is empty.
    static PhotoRecord Describe(const QString& path);
    // A name or path lowered as the file list shows it and as output files are
    // named: the engine's lowering, one letter for one letter, the same as the
    // batch reducer's.
    static QString lowerCased(const QString& name);
    // Reads the file's details and loads its thumbnail (192 x 144); owner is
    // the small progress window that shows the path meanwhile (may be null).
    // A skipped file's reason goes into `refusal` when given.
    // Any thread; never throws.
    static Outcome Load(const QString& path, CPhotoProgressDlg* owner, PhotoRecord& record,
                        snapwane::PhotoCheck* refusal = nullptr);
};

struct LoadedPhoto
{
    PhotoRecord::Outcome outcome = PhotoRecord::Outcome::Skipped;
    PhotoRecord record;
    snapwane::PhotoCheck refusal = snapwane::PhotoCheck::Accepted; // why it was skipped
};
using PhotosAhead = snapwane::LookAhead<LoadedPhoto>;

// The photos of a list loaded ahead of the loader that appends them (Load on
// `threads` threads, 0 for one per core), taken strictly in list order. The
// photos being decoded stay within the process's one decode memory budget,
// shared with every other list loaded at the same time (a folder tree loads one
// list per folder level); a photo that alone needs more is skipped as too large.
std::unique_ptr<PhotosAhead> loadPhotosAhead(const QStringList& paths, CPhotoProgressDlg* owner, int threads = 0);
