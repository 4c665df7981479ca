#pragma once

#include <memory>

#include <QtGlobal>

class CdRipLibrary;
class DiscTocEntry;

// Reads the audio of one track in chunks through the ripping library it is handed:
// CreateForTrack, OpenRipper, then Read until it returns false, taking each chunk from
// ReadBufferPtr / ReadBufferSize (16-bit little-endian stereo at 44100 Hz). Errors raise
// RaisedError 29500 + code. Like the library, used by one thread at a time.
class TrackRipper {
public:
    explicit TrackRipper(std::shared_ptr<CdRipLibrary> library);
    // Releases the buffer and closes the ripping run, ignoring errors.
    ~TrackRipper();
    TrackRipper(const TrackRipper &) = delete;
    TrackRipper &operator=(const TrackRipper &) = delete;

    void CreateForTrack(const DiscTocEntry &cTrack);
    bool OpenRipper();
    bool Read();
    // False only when the library answers that the range was already done.
    bool CloseRipper();

    // Null while no buffer is held.
    const unsigned char *ReadBufferPtr() const { return m_buffer.get(); }
    qint32 ReadBufferSize() const { return m_readSize; }
    qint32 PercentComplete() const { return m_percentComplete; }

private:
    bool CreateBuffer(qint32 size);
    void DestroyBuffer();

    std::shared_ptr<CdRipLibrary> m_library;
    qint32 m_driveIndex = 0;
    qint32 m_startSector = 0;
    qint32 m_endSector = 0;
    bool m_ripperOpen = false;
    qint32 m_bufferSize = 0;
    qint32 m_readSize = 0;
    std::unique_ptr<unsigned char[]> m_buffer;
    qint32 m_percentComplete = 0;
};
