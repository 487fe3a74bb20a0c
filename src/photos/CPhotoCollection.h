// SPDX-License-Identifier: MIT
#pragma once
#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QString>

#include <vector>

#include "photos/PhotoRecord.h"

// The photos loaded in this run, in list order, at most 1000: one PhotoRecord
// per row, owning its CPhotoImage. It is the table model behind the file list
// (five columns: File, Folder, Size, bytes, Modified, Width x Height) and the
// one place where the thumbnail views, the colour correction, the full-screen
// viewer and the reduction find a photo by its index.
//
// Threads: changed on the GUI thread only, never while a load or a reduction
// runs (the main view's loading and reducing flags keep the commands that
// change it disabled). A worker may read it while its flag is set.
class CPhotoCollection : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kCapacity = 1000;
    static QString capacityMessage(); // "You cannot load more than 1000 files"

    enum Column { FileColumn, FolderColumn, SizeColumn, ModifiedColumn, DimensionsColumn, ColumnCount };
    static constexpr int kColumnWidths[ColumnCount] = {110, 250, 100, 110, 100};

    explicit CPhotoCollection(QObject* parent = nullptr);
    ~CPhotoCollection() override;

    int count() const { return static_cast<int>(m_records.size()); }
    // The capacity rule, for the collection and for the loaders that ask before
    // they read a photo: holding `photos`, it takes no more.
    static bool isFullAt(int photos) { return photos >= kCapacity; }
    bool isFull() const { return isFullAt(count()); }
    // Photo index (0 <= index < count()).
    CPhotoImage& photo(int index) const { return *m_records[static_cast<std::size_t>(index)].image; }
    const PhotoRecord& record(int index) const { return m_records[static_cast<std::size_t>(index)]; }
    // The real path of photo index; empty outside 0 ... count - 1.
    QString pathOf(int index) const;
    // The row of a photo held; -1 for any other.
    int indexOf(const CPhotoImage& photo) const;
    // Whether a photo of this real path is held (exact on Linux, any case on Windows).
    bool containsPath(const QString& path) const;

    // Appends a loaded record as the last row; false (and the record is
    // released) when the collection is full or the record has no image.
    bool append(PhotoRecord record);
    // Removes row index and destroys its photo.
    void remove(int index);
    // Photo index was loaded again (turned, corrected; the photo says so
    // itself): its row and the views that draw it are brought up to date.
    void photoChanged(int index);
    // Destroys every photo, the last one first.
    void releaseAll();

    // The table model.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cellText(const PhotoRecord& record, int column) const;
    QIcon fileTypeIcon(const QString& path);

    std::vector<PhotoRecord> m_records;
    QHash<QString, QIcon> m_iconsBySuffix; // the shell's small icons, asked once per file type
};
