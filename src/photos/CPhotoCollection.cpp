// SPDX-License-Identifier: MIT
#include "photos/CPhotoCollection.h"

#include "platform/LocaleFormat.h"

#include <QFileIconProvider>
#include <QFileInfo>

QString CPhotoCollection::capacityMessage()
{
    return tr("You cannot load more than 1000 files");
}

namespace {

Qt::CaseSensitivity pathCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

void destroyPhoto(PhotoRecord& record)
{
    if (record.image)
        record.image->ReleasePixels();
    record.image.reset();
}

} // namespace

CPhotoCollection::CPhotoCollection(QObject* parent)
    : QAbstractTableModel(parent)
{
}

CPhotoCollection::~CPhotoCollection()
{
    releaseAll();
}

QString CPhotoCollection::pathOf(int index) const
{
    return index >= 0 && index < count() ? record(index).path : QString();
}

int CPhotoCollection::indexOf(const CPhotoImage& photo) const
{
    for (int i = 0; i < count(); ++i) {
        if (&this->photo(i) == &photo)
            return i;
    }
    return -1;
}

bool CPhotoCollection::containsPath(const QString& path) const
{
    for (const PhotoRecord& held : m_records) {
        if (held.path.compare(path, pathCase()) == 0)
            return true;
    }
    return false;
}

bool CPhotoCollection::append(PhotoRecord record)
{
    if (isFull() || !record.image)
        return false;
    if (record.icon.isNull())
        record.icon = fileTypeIcon(record.path);
    // A photo turned or corrected tells its row, wherever removals moved it.
    record.image->setObserver([this](const CPhotoImage& photo) { photoChanged(indexOf(photo)); });
    const int row = count();
    beginInsertRows({}, row, row);
    m_records.push_back(std::move(record));
    endInsertRows();
    return true;
}

void CPhotoCollection::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    beginRemoveRows({}, index, index);
    destroyPhoto(m_records[static_cast<std::size_t>(index)]);
    m_records.erase(m_records.begin() + index);
    endRemoveRows();
}

void CPhotoCollection::photoChanged(int index)
{
    if (index >= 0 && index < count())
        Q_EMIT dataChanged(this->index(index, 0), this->index(index, ColumnCount - 1));
}

void CPhotoCollection::releaseAll()
{
    if (m_records.empty())
        return;
    beginResetModel();
    while (!m_records.empty()) {
        destroyPhoto(m_records.back());
        m_records.pop_back();
    }
    m_records.shrink_to_fit();
    endResetModel();
}

int CPhotoCollection::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int CPhotoCollection::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CPhotoCollection::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const PhotoRecord& held = record(index.row());
    switch (role) {
    case Qt::DisplayRole: return cellText(held, index.column());
    case Qt::DecorationRole: return index.column() == FileColumn ? QVariant(held.icon) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (index.column() < SizeColumn ? Qt::AlignLeft : Qt::AlignRight));
    default: return {};
    }
}

QVariant CPhotoCollection::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    static const char* const headers[ColumnCount] = {QT_TR_NOOP("File"), QT_TR_NOOP("Folder"), QT_TR_NOOP("Size, bytes"),
                                                      QT_TR_NOOP("Modified"), QT_TR_NOOP("Width x Height")};
    if (role == Qt::DisplayRole)
        return tr(headers[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (section < SizeColumn ? Qt::AlignLeft : Qt::AlignRight));
    return {};
}

QString CPhotoCollection::cellText(const PhotoRecord& held, int column) const
{
    switch (column) {
    case FileColumn: return held.name;
    case FolderColumn: return held.folder;
    case SizeColumn: return LocaleFormat::byteCount(held.fileBytes);
    case ModifiedColumn: return held.modified;
    case DimensionsColumn: {
        const QSize size = held.image ? held.image->GetShownSize() : QSize();
        return LocaleFormat::dimensions(size.width(), size.height());
    }
    default: return {};
    }
}

// The icon of the file's type, found from its name alone (the file's contents
// are never read for it).
QIcon CPhotoCollection::fileTypeIcon(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    auto cached = m_iconsBySuffix.constFind(suffix);
    if (cached != m_iconsBySuffix.constEnd())
        return *cached;
    QFileIconProvider provider;
    provider.setOptions(QFileIconProvider::DontUseCustomDirectoryIcons);
    const QIcon icon = provider.icon(QFileInfo(path));
    m_iconsBySuffix.insert(suffix, icon);
    return icon;
}
