#include "settings/uBase64Codec.h"

namespace pellori {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPad = '=';

// Alphabet index of a character, or -1 for anything else (the pad included).
int indexOf(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

int EncodedLength(int n)
{
    return n <= 0 ? 0 : 4 * ((n + 2) / 3);
}

int DecodedLength(const QByteArray& text)
{
    const qsizetype n = text.size();
    if (n == 0 || n % 4 != 0)
        return 0;
    int length = int(3 * n / 4);
    if (text.at(n - 2) == kPad)
        length -= 2;
    else if (text.at(n - 1) == kPad)
        length -= 1;
    return length;
}

QByteArray EncodeBase64Text(const QByteArray& bytes)
{
    QByteArray result(EncodedLength(int(bytes.size())), Qt::Uninitialized);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    char* out = result.data();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (; i + 3 <= n; i += 3) {
        const unsigned b0 = in[i], b1 = in[i + 1], b2 = in[i + 2];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
        *out++ = kAlphabet[((b1 & 15) << 2) | (b2 >> 6)];
        *out++ = kAlphabet[b2 & 63];
    }
    if (n - i == 1) {
        const unsigned b0 = in[i];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[(b0 & 3) << 4];
        *out++ = kPad;
        *out++ = kPad;
    } else if (n - i == 2) {
        const unsigned b0 = in[i], b1 = in[i + 1];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
        *out++ = kAlphabet[(b1 & 15) << 2];
        *out++ = kPad;
    }
    return result;
}

QByteArray DecodeBase64Text(const QByteArray& text)
{
    const qsizetype n = text.size();
    if (n == 0 || n % 4 != 0)
        return QByteArray();

    QByteArray result(DecodedLength(text), Qt::Uninitialized);
    char* out = result.data();
    const char* in = text.constData();

    // Every group but the last: four alphabet characters, three bytes.
    for (qsizetype g = 0; g + 4 < n; g += 4) {
        const int c0 = indexOf(in[g]), c1 = indexOf(in[g + 1]), c2 = indexOf(in[g + 2]), c3 = indexOf(in[g + 3]);
        if (c0 < 0 || c1 < 0 || c2 < 0 || c3 < 0)
            return QByteArray();
        *out++ = char((c0 << 2) | (c1 >> 4));
        *out++ = char(((c1 & 15) << 4) | (c2 >> 2));
        *out++ = char(((c2 & 3) << 6) | c3);
    }

    // The last group may end early: a pad in third place ends decoding without
    // looking at the fourth character.
    const char* last = in + n - 4;
    const int c0 = indexOf(last[0]), c1 = indexOf(last[1]);
    if (c0 < 0 || c1 < 0)
        return QByteArray();
    *out++ = char((c0 << 2) | (c1 >> 4));
    if (last[2] == kPad)
        return result;
    const int c2 = indexOf(last[2]);
    if (c2 < 0)
        return QByteArray();
    *out++ = char(((c1 & 15) << 4) | (c2 >> 2));
    if (last[3] == kPad)
        return result;
    const int c3 = indexOf(last[3]);
    if (c3 < 0)
        return QByteArray();
    *out++ = char(((c2 & 3) << 6) | c3);
    return result;
}

} // namespace pellori
