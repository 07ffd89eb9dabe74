#pragma once

// Helpers shared by the benchmarks: memory from /proc/self/status, peak reset, a stopwatch, the
// documents they measure, a typed keystroke and the copy floor.

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>

namespace bench {

// A byte count of this process from /proc/self/status ("VmRSS:", "VmHWM:"); -1 when unknown.
inline long long statusBytes(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t keyLength = std::strlen(key);
    while (std::getline(status, line))
        if (line.compare(0, keyLength, key) == 0)
            return std::stoll(line.substr(keyLength + 1)) * 1024;
    return -1;
}

// Starts a new peak: afterwards VmHWM counts from the present resident size.
// Memory freed earlier is first handed back, so that it does not hide what comes next.
inline void resetPeak()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline double mib(long long bytes) { return double(bytes) / (1 << 20); }

class Stopwatch {
public:
    Stopwatch() { timer_.start(); }
    double ms() const { return timer_.nsecsElapsed() / 1e6; }

private:
    QElapsedTimer timer_;
};

// One line of ordinary markup, CRLF-ended: what the benchmark documents are made of.
inline const QByteArray htmlLine("    <p class=\"x\">Lorem ipsum dolor sit amet, <b>consectetur</b> adipiscing.</p>\r\n");

// `unit` repeated to exactly `size` bytes; what is left over after the last whole unit is `pad`.
inline QByteArray repeatedText(const QByteArray& unit, qsizetype size, char pad = ' ')
{
    QByteArray text;
    text.reserve(size);
    while (text.size() + unit.size() <= size)
        text += unit;
    text += QByteArray(size - text.size(), pad);
    return text;
}

// Writes the bytes of repeatedText(unit, size, pad) to `path` a block at a time, never holding the
// whole text; false unless the file holds exactly `size` bytes.
inline bool writeRepeated(const QString& path, const QByteArray& unit, qsizetype size, char pad = ' ')
{
    QByteArray block;
    while (block.size() + unit.size() <= (qsizetype(1) << 20))
        block += unit;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    qsizetype left = size;
    while (left >= block.size()) {
        file.write(block);
        left -= block.size();
    }
    while (left >= unit.size()) {
        file.write(unit);
        left -= unit.size();
    }
    file.write(QByteArray(left, pad));
    return file.size() == size;
}

// One typed "a" at the caret, as the editor takes it from the keyboard, and the repaint it causes: ms.
inline double keystrokeMs(QsciScintilla& editor)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    const Stopwatch t;
    QApplication::sendEvent(&editor, &press);
    QApplication::sendEvent(&editor, &release);
    editor.viewport()->grab();
    return t.ms();
}

// The floor for handling `size` bytes: allocating a buffer and copying `data` into it, in ms. When
// `peakAdded` is given, it receives the peak resident size added over `before` while the copy is held.
inline double copyFloorMs(const char* data, std::size_t size, long long* peakAdded = nullptr, long long before = 0)
{
    const Stopwatch t;
    char* copy = static_cast<char*>(std::malloc(size));
    std::memcpy(copy, data, size);
    const double ms = t.ms();
    if (peakAdded)
        *peakAdded = statusBytes("VmHWM:") - before;
    volatile char sink = copy[size - 1];
    (void)sink;
    std::free(copy);
    return ms;
}

} // namespace bench
