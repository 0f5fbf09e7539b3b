#pragma once

#include <QByteArray>
#include <QString>

#include <qpdf/InputSource.hh>

#include <memory>
#include <string>

class Buffer;
class BufferInputSource;
class FileInputSource;

// A PDF file read whole into memory, as qpdf reads it: every object and
// stream then comes without a seek and a read system call, and the file is
// closed at once. releaseBytes() gives the memory back when the parse has
// served its main purpose; anything read after that comes from the file,
// opened then, and only while it still is the file that was read (same
// size, modification time and identity), else the read fails.
class MemoryFileSource : public InputSource
{
public:
    // name: the path as qpdf reports it; stamp: SourceCache::fileStamp of path.
    MemoryFileSource(const std::string &name, const QString &path, const QByteArray &bytes,
                     const QByteArray &stamp);
    ~MemoryFileSource() override;

    // Drops the bytes (nothing when they are gone already or the file has
    // changed since it was read, so nothing could be read back).
    void releaseBytes();
    bool holdsBytes() const { return m_memory != nullptr; }

    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const &getName() const override;
    qpdf_offset_t tell() override;
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override;
    size_t read(char *buffer, size_t length) override;
    void unreadCh(char ch) override;

private:
    InputSource &current();

    std::string m_name;
    QString m_path;
    QByteArray m_bytes;
    QByteArray m_stamp;
    std::unique_ptr<Buffer> m_view;
    std::unique_ptr<BufferInputSource> m_memory;
    std::unique_ptr<FileInputSource> m_file;
    qpdf_offset_t m_releasedAt = 0;   // where reading stood when the bytes went
};
