// The ini reader and writer on arbitrary files and entries. The reader must
// agree with the plain reference reading for every entry of the file and the
// start-up keys; a storable write must read back as written, leave every
// other entry's value as it was and every other line byte for byte.
#include "IniReference.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pellori;
using reference::check;

namespace {

QString latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// The old lines and the new ones must differ in one place at most: one line
// whose value was replaced, or one or two added lines, which the old last line may
// precede once it has been given a line end.
void checkLinesKept(const QByteArray& before, const QByteArray& after)
{
    const QList<reference::Line> a = reference::lines(before), b = reference::lines(after);
    auto same = [](const reference::Line& x, const reference::Line& y) { return x.text == y.text && x.end == y.end; };
    qsizetype prefix = 0;
    while (prefix < a.size() && prefix < b.size() && same(a[prefix], b[prefix]))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix
           && same(a[a.size() - 1 - suffix], b[b.size() - 1 - suffix]))
        ++suffix;
    const qsizetype oldMiddle = a.size() - prefix - suffix, newMiddle = b.size() - prefix - suffix;
    check(oldMiddle <= 1, "more than one old line changed");
    if (oldMiddle == 0) {
        check(newMiddle <= 2, "nothing, one entry, or a section and an entry added");
        return;
    }
    const reference::Line& old = a[prefix];
    const reference::Line& now = b[prefix];
    if (newMiddle == 1) {
        const qsizetype equals = old.text.indexOf('=');
        check(equals >= 0 && now.end == old.end && now.text.left(equals + 1) == old.text.left(equals + 1),
              "a replaced line keeps its key and line end");
        return;
    }
    check(newMiddle == 2 || newMiddle == 3, "one or two lines added after the old last line");
    check(prefix == a.size() - 1 && now.text == old.text, "only the old last line is given a line end");
    check(old.end.isEmpty() ? now.end == "\n" || now.end == "\r\n" : now.end == old.end + "\n",
          "the old last line keeps its line end bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const uint8_t choice = input.ConsumeIntegral<uint8_t>();
    QString section = latin1(input.ConsumeRandomLengthString(24));
    QString key = latin1(input.ConsumeRandomLengthString(24));
    QString value = latin1(input.ConsumeRandomLengthString(64));
    if (choice & 0x80)
        value += QChar(0x20AC); // not ISO-8859-1: must be refused
    const std::vector<char> rest = input.ConsumeRemainingBytes<char>();
    const QByteArray file(rest.data(), qsizetype(rest.size()));

    // Often write to an entry that the file holds, in another case.
    const reference::Document before = reference::document(file);
    const QList<reference::Key> entries = reference::entries(before, 64);
    if (!entries.isEmpty() && (choice & 1)) {
        const reference::Key& target = entries[(choice >> 1) % entries.size()];
        section = (choice & 2) ? target.section.toUpper() : target.section;
        key = (choice & 4) ? target.key.toLower() : target.key;
    }

    // Reading: every entry, the write target and the start-up keys, in one snapshot.
    QList<IniKey> keys = StartUpIniKeys();
    keys.append({section, key});
    for (const reference::Key& entry : entries)
        keys.append({entry.section, entry.key});
    const IniSnapshot snapshot = IniSnapshot::parse(file, keys);
    for (const IniKey& wanted : keys) {
        check(snapshot.readString(wanted.section, wanted.key, "\x01") == reference::read(before, wanted.section, wanted.key, "\x01"),
              "snapshot agrees with the reference reading");
    }

    // Writing.
    if (!IniFile::unstorableReason(section, key, value).isEmpty())
        return 0;
    const QByteArray written = IniFile::withValue(file, section, key, value);
    const reference::Document after = reference::document(written);
    check(reference::read(after, section, key, "\x01") == value, "the written value reads back");
    for (const reference::Key& entry : entries) {
        if (reference::same(entry.section, section) && reference::same(entry.key, key))
            continue;
        check(reference::read(after, entry.section, entry.key, "\x01")
                  == reference::read(before, entry.section, entry.key, "\x01"),
              "every other entry keeps its value");
    }
    checkLinesKept(file, written);
    return 0;
}
