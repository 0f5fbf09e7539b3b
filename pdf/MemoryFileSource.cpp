#include "pdf/MemoryFileSource.h"

#include "pdf/SourceCache.h"

#include <QFile>

#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/FileInputSource.hh>

#include <cstdio>
#include <stdexcept>

MemoryFileSource::MemoryFileSource(const std::string &name, const QString &path, const QByteArray &bytes,
                                   const QByteArray &stamp)
    : m_name(name)
    , m_path(path)
    , m_bytes(bytes)
    , m_stamp(stamp)
{
    // The view borrows the bytes: no copy.
    m_view = std::make_unique<Buffer>(reinterpret_cast<unsigned char *>(m_bytes.data()), size_t(m_bytes.size()));
    m_memory = std::make_unique<BufferInputSource>(name, m_view.get());
}

MemoryFileSource::~MemoryFileSource() = default;

void MemoryFileSource::releaseBytes()
{
    if (!m_memory || m_stamp.isEmpty() || SourceCache::fileStamp(m_path) != m_stamp)
        return;
    m_releasedAt = m_memory->tell();
    m_memory.reset();
    m_view.reset();
    m_bytes = QByteArray();
}

InputSource &MemoryFileSource::current()
{
    if (m_memory)
        return *m_memory;
    if (!m_file) {
        if (SourceCache::fileStamp(m_path) != m_stamp)
            throw std::runtime_error("the file changed after it was read");
        m_file = std::make_unique<FileInputSource>(QFile::encodeName(m_path).constData());
        m_file->seek(m_releasedAt, SEEK_SET);
    }
    return *m_file;
}

qpdf_offset_t MemoryFileSource::findAndSkipNextEOL()
{
    return current().findAndSkipNextEOL();
}

std::string const &MemoryFileSource::getName() const
{
    return m_name;
}

qpdf_offset_t MemoryFileSource::tell()
{
    return current().tell();
}

void MemoryFileSource::seek(qpdf_offset_t offset, int whence)
{
    current().seek(offset, whence);
}

void MemoryFileSource::rewind()
{
    current().rewind();
}

size_t MemoryFileSource::read(char *buffer, size_t length)
{
    const size_t count = current().read(buffer, length);
    last_offset = current().getLastOffset();
    return count;
}

void MemoryFileSource::unreadCh(char ch)
{
    current().unreadCh(ch);
}
