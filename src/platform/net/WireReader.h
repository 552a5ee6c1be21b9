#pragma once
// Reads the payload of one frame (Protocol.h). Every read checks the bytes that remain, so
// a truncated or lying payload raises EProtocolError and is never read past its end; a
// declared length is checked against what remains before anything is allocated.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace ger {

class WireReader {
public:
    explicit WireReader(QByteArrayView payload);

    quint8 readU8(const char* what);
    quint32 readU32(const char* what);
    qint64 readI64(const char* what);
    // `size` bytes; raises when fewer remain.
    QByteArrayView readRaw(qsizetype size, const char* what);
    // A 4-byte length, then that many bytes.
    QByteArrayView readSized(const char* what);

    qsizetype remaining() const { return m_payload.size() - m_position; }
    bool atEnd() const { return remaining() == 0; }
    // Raises when bytes are left over after the last expected value.
    void expectEnd(const char* what) const;
    // The next bytes up to (not including) a zero byte, which is consumed.
    QByteArrayView readUntilZero(qsizetype maxSize, const char* what);

    // Counts one more decoded value; raises beyond protocol::kMaxValuesPerMessage.
    void countValue();

    [[noreturn]] static void fail(const QString& reason);

private:
    void require(qsizetype size, const char* what) const;

    QByteArrayView m_payload;
    qsizetype m_position = 0;
    int m_values = 0;
};

} // namespace ger
