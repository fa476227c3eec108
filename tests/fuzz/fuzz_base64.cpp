// The Base64 codec: arbitrary bytes encode as Qt's own Base64 and decode back;
// arbitrary text decodes either to nothing or to bytes whose encoding matches
// the text in all but the unused bits and padding of its last group.
#include "IniReference.h"

#include "settings/uBase64Codec.h"

#include <QByteArray>

using namespace pellori;
using reference::check;

namespace {

bool inAlphabet(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QByteArray encoded = EncodeBase64Text(bytes);
    check(encoded == bytes.toBase64(), "encoding is standard Base64");
    check(encoded.size() == EncodedLength(int(bytes.size())), "EncodedLength");
    check(DecodeBase64Text(encoded) == bytes, "round trip");
    check(DecodedLength(encoded) == bytes.size(), "DecodedLength of an encoding");

    const QByteArray decoded = DecodeBase64Text(bytes);
    const bool allValid = !bytes.isEmpty() && bytes.size() % 4 == 0 && std::all_of(bytes.begin(), bytes.end(), inAlphabet);
    if (decoded.isEmpty()) {
        check(!allValid, "a text of whole groups of the alphabet decodes");
        return 0;
    }
    check(bytes.size() % 4 == 0, "only whole groups decode");
    check(decoded.size() == DecodedLength(bytes), "the result has the length DecodedLength gives");
    const QByteArray again = EncodeBase64Text(decoded);
    check(again.size() == bytes.size(), "re-encoding has the text's length");
    check(again.left(again.size() - 3) == bytes.left(bytes.size() - 3), "re-encoding keeps all but the last group's tail");
    check(DecodeBase64Text(again) == decoded, "re-encoding decodes to the same bytes");
    if (allValid)
        check(decoded == QByteArray::fromBase64(bytes), "valid text decodes as Qt decodes it");
    return 0;
}
