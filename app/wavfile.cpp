// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/wavfile.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>

namespace {

// libsndfile reads through the QFile, so that every file name Qt can open
// works, on every platform.
QFile *fileOf(void *userData)
{
    return static_cast<QFile *>(userData);
}

SF_VIRTUAL_IO fileAccess()
{
    SF_VIRTUAL_IO io = {};
    io.get_filelen = [](void *file) -> sf_count_t { return fileOf(file)->size(); };
    io.seek = [](sf_count_t offset, int whence, void *file) -> sf_count_t {
        QFile *f = fileOf(file);
        const qint64 base = whence == SEEK_CUR ? f->pos() : whence == SEEK_END ? f->size() : 0;
        return f->seek(base + offset) ? f->pos() : -1;
    };
    io.read = [](void *data, sf_count_t count, void *file) -> sf_count_t {
        return std::max<qint64>(0, fileOf(file)->read(static_cast<char *>(data), count));
    };
    io.write = [](const void *, sf_count_t, void *) -> sf_count_t { return 0; };
    io.tell = [](void *file) -> sf_count_t { return fileOf(file)->pos(); };
    return io;
}

bool isWav(int format)
{
    switch (format & SF_FORMAT_TYPEMASK) {
    case SF_FORMAT_WAV:
    case SF_FORMAT_WAVEX:
    case SF_FORMAT_RF64:
        return true;
    default:
        return false;
    }
}

} // namespace

WavFile::~WavFile()
{
    close();
}

bool WavFile::open(const QString &fileName)
{
    close();
    m_file.setFileName(fileName);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    SF_VIRTUAL_IO io = fileAccess();
    SF_INFO info = {};
    m_sound = sf_open_virtual(&io, SFM_READ, &info, &m_file);
    if (!m_sound || !isWav(info.format) || info.frames <= 0 || info.channels <= 0
        || info.samplerate <= 0) {
        close();
        return false;
    }
    m_sampleRate = info.samplerate;
    m_channelCount = info.channels;
    m_finished = false;
    return true;
}

void WavFile::close()
{
    if (m_sound)
        sf_close(m_sound);
    m_sound = nullptr;
    m_file.close();
    m_sampleRate = 0;
    m_channelCount = 0;
    m_finished = true;
}

qint64 WavFile::read(char *data, qint64 maxBytes)
{
    const int frameBytes = bytesPerFrame();
    if (!m_sound || maxBytes < frameBytes)
        return 0;
    const sf_count_t frames
        = sf_readf_short(m_sound, reinterpret_cast<short *>(data), maxBytes / frameBytes);
    if (frames <= 0) {
        m_finished = true;
        return 0;
    }
    return frames * frameBytes;
}
