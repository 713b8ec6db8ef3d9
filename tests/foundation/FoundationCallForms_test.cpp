// Compile-only: every call the toolkit, the views and the windows make of the
// foundation library, written the way those callers write them. It is never
// run; it breaks the build when one of these forms goes missing.
#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/PakArchive.h"
#include "foundation/data/Variant.h"
#include "foundation/geometry/Flags.h"
#include "foundation/geometry/Rect.h"
#include "foundation/hash/Crc32.h"
#include "foundation/hash/Md5Digest.h"
#include "foundation/io/DataReader.h"
#include "foundation/io/DataWriter.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/net/HttpClient.h"
#include "foundation/net/UpdatesBotThread.h"
#include "foundation/net/Url.h"
#include "foundation/net/UserAgent.h"
#include "foundation/platform/SystemInfo.h"
#include "foundation/signals/Signal.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/CharClass.h"
#include "foundation/text/String.h"
#include "foundation/text/TerminatedText.h"
#include "foundation/time/Date.h"
#include "foundation/time/DateTime.h"
#include "foundation/time/Locale.h"
#include "foundation/time/Time.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"

namespace callforms {

class Receiver : public SignalReceiver
{
public:
    void onEmpty() {}
    void onValue(int) {}
    void onString(String) {}
    void onStrings(String, String) {}
};

void strings()
{
    String text(u"abc");
    String other = text;
    bool flag = String::equals(text, other) || String::equalsCString(text, u"") ||
                String::notEqualsCString(text, u"x") || String::notEquals(text, other) ||
                String::equalsIgnoreCase(text, other) || text.isNull();
    flag = flag || text.startsWith(other, 1) || text.endsWith(other, 0) || text.endsWithChar(u'c', 1);
    flag = flag || text.contains(other, 1) || text.containsChar(u'a', 0) || text.isEmpty();
    uint64_t hash = text.hash64();
    StringList parts = text.split(String(u","), 3);
    StringList staticParts = String::split(text, String(u","), 0);
    String joined = String::join(parts, String(u", "), 1);
    String crlf = String::crlf();
    int index = text.indexOfChar(u'b', 0, 1) + text.find(other, 0, 1);
    text.remove(0, 1);
    text.removeAll(u'b');
    String copies = other.mid(1, -1).replace(String(u"a"), String(u"b"), 1).replaceChar(u'a', u'b', 0);
    copies = copies.trim().toLower().toUpper().trimChars(String(u" ")).arg(String(u"x"));
    int number = text.toInt();
    float real = text.toFloat();
    String numbers = String::fromInt(number) + String::fromDouble(real, 2) + String::fromFloat(real, 1);
    String decoded = String::fromTextBuffer("ab", 2);
    decoded = String::fromTextFile(String(u"a.txt"), 3) + String::fromUtf8("a", 1);
    bool saved = text.saveToFile(String(u"a.txt"), 3, false);
    int bytes = text.byteSizeWithTerminator();
    ByteArray utf8 = text.toUtf8();
    String both = String::concat(text, other);
    text.assign(other);
    text.appendChar(u'x');
    const char16_t* data = text.data();
    int order = wideCompare(u"a", u"b") + wideCompareNoCase(u"a", u"B") + compareVersions(text, other);
    flag = isSpaceChar(u' ') || isAlphaNumericChar(u'a') || isPrintableChar(u'a') || isDigitChar(u'1');
    (void)flag, (void)hash, (void)joined, (void)crlf, (void)index, (void)copies, (void)numbers, (void)decoded;
    (void)saved, (void)bytes, (void)utf8, (void)both, (void)data, (void)order, (void)staticParts;
}

void lists()
{
    StringList list;
    list.append(String(u"a"));
    StringList copy(list);
    copy.assign(list);
    bool has = list.contains(String(u"a"));
    String joined = list.join(String(u","), 1) + list.join(String(u", "));
    list.sort(1);
    StringList parts = StringList::split(String(u"a,b"), String(u","), 3);
    list.clear();

    List<int*> values;
    int value = 0;
    values.append(&value);
    values.removeOne(&value);
    List<int*> assigned;
    assigned = values;
    values.clear();

    ByteArray bytes;
    String base64 = bytes.toBase64();
    int trimmed = bytes.trimmedLength();
    ByteArray withoutZeros = bytes.trimZeros();
    const uint8_t* data = bytes.data();
    (void)has, (void)joined, (void)parts, (void)base64, (void)trimmed, (void)withoutZeros, (void)data;
}

void signals()
{
    Receiver receiver;
    Signal signal;
    signal.connect(&receiver, &Receiver::onEmpty);
    signal.connectWithArg(&receiver, &Receiver::onValue);
    signal.connectAdjusted(&receiver, &Receiver::onEmpty);
    signal.emit();
    signal.emitValue(1);
    signal.emitString(String(u"a"));
    signal.emitTwoStrings(String(u"a"), String(u"b"));
    signal.lock();
    signal.unlock();
}

void application()
{
    AppCore* core = AppCore::instance();
    String translated = core->translate(u"Open", u"UserInterface/UILineEdit");
    String byId = core->translateById(12345);
    String texts = core->productName() + core->appDirectory() + core->programPath() + core->version() +
                   core->dataDirectory() + core->agentIdentity(true) + core->productUrl() +
                   core->makerName() + core->makerWebText() +
                   core->decoratedUrl(String(u"http://example.org/"));
    void* module = core->moduleHandle();
    PakArchive* pak = core->findPak(String(u"data"));
    core->setMainWindow(nullptr);
    LanguageInfoList languages = core->listLanguages(String());
    core->quit();
    (void)translated, (void)byId, (void)texts, (void)module, (void)pak, (void)languages;
}

void archivesAndXml(PakArchive& pak, XmlDocument& document)
{
    bool opened = pak.open(String(u"data.pak")) || pak.openMemory("", 0);
    const PakItem* item = pak.findItem(String(u"images"), String(u"icon.png"));
    const void* data = item->data();
    uint32_t size = item->dataSize();
    bool parsed = document.loadFromString(String(u"<?xml version=\"1.0\"?><a/>"));
    XmlElement* element = document.findElement(String(u"a/b"));
    XmlElement& root = document.root();
    String name = element->name() + element->attribute(String(u"id")) + element->value();
    bool has = element->hasChildren() || element->hasAttributes();
    XmlElement* child = root.child(String(u"b"));
    document.clear();
    (void)opened, (void)data, (void)size, (void)parsed, (void)name, (void)has, (void)child;
}

void geometry()
{
    Rect outer(0, 0, 100, 50);
    Rect placed = outer.align(Rect(0, 0, 10, 10), Rect::kAlignLeft, false);
    Rect placedShort = outer.align(Rect(0, 0, 10, 10), Rect::kAlignLeft);
    bool inside = outer.contains(Point(1, 1));
    Rect moved = outer.adjusted(1, 1, -1, -1).intersected(placed);
    Point center = outer.center();
    Point corner = outer.topLeft();
    Size size = outer.size();
    corner.assign(center);
    bool differs = size.notEquals(Size(1, 1));
    Size fitted = size.scaledToFit(Size(10, 10));
    Flags flags = Flags::combine(1, 2);
    (void)placedShort, (void)inside, (void)moved, (void)differs, (void)fitted, (void)flags;
}

void timeAndLocale()
{
    uint64_t ticks = Time::tickCountMs();
    Date date(2024, 2, 29);
    date.setDate(2024, 3, 1);
    Date copy;
    copy.assign(date);
    int parts = date.year() + date.month() + date.day() + date.dayOfWeek() + date.daysInMonth() +
                Date::daysInMonthOf(2024, 2) + date.toJulianDay();
    bool checks = date.isValid() || date.isNull() || date.isAfter(copy) || date.isBefore(copy);
    Date moved = Date::today().addDays(3);
    String shown = date.toString(String(u"yyyy/MM/dd"));
    DateTime now = DateTime::now();
    DateTime other;
    other.assign(now);
    Date today = now.date();
    int year = now.year();
    Locale& locale = Locale::instance();
    String names = locale.dayName(1, true) + locale.monthName(1, false) + locale.formatDouble(1.5, 2);
    int firstDay = locale.firstDayOfWeek();
    char16_t marks[] = {locale.decimalPoint(), locale.groupSeparator()};
    bool ok = false;
    double value = locale.parseDouble(String(u"1.5"), &ok);
    (void)ticks, (void)parts, (void)checks, (void)moved, (void)shown, (void)today, (void)year, (void)names;
    (void)firstDay, (void)marks, (void)value;
}

void filesAndSystem()
{
    String path(u"C:\\a\\b.txt");
    bool checks =
        File::exists(path) || File::isLocked(path) || File::copy(path, path) || Directory::exists(path);
    StringList found;
    StringList extensions;
    checks = checks || Directory::list(path, 1 | 16, &extensions, found);
    String parts =
        String(pathSeparator(), 1) + pathDirectory(path) + pathExtension(path, 1) + pathBaseName(path);
    String folder = SystemInfo::specialFolder(11);
    (void)checks, (void)parts, (void)folder;
}

void digestsAndValues()
{
    Crc32 crc("abc", 3);
    bool hasCrc = !crc.isNull();
    uint32_t crcValue = crc.value();
    Md5Digest md5("abc", 3);
    String md5Text = md5.toString();
    ByteArray md5Bytes = Md5Digest::fromFile(String(u"a.bin")).toByteArray();
    Crc32 fileCrc = Crc32::fromFile(String(u"a.bin"));
    Variant values[] = {Variant::VariantBool(true),
                        Variant::VariantInt(-1),
                        Variant::VariantUInt(1u),
                        Variant::VariantFloat(1.5f),
                        Variant::VariantString(String(u"a")),
                        Variant()};
    int number =
        values[0].toInt() + int(values[1].toUInt()) + int(values[2].toBool()) + int(values[3].toFloat());
    String text = values[4].toString();
    (void)hasCrc, (void)crcValue, (void)md5Text, (void)md5Bytes, (void)fileCrc, (void)number, (void)text;
}

void configAndStreams(ConfigFile& config, DataReader& reader, DataWriter& writer)
{
    Variant value = config.value(String(u"view/sortMode"), Variant::VariantInt(0));
    config.setValue(String(u"view/sortMode"), value);
    bool saved = config.save();
    int bytes = reader.readByte() + reader.readInt32() + int(reader.readFloat());
    writer.writeByte(1);
    writer.writeInt32(2);
    writer.writeFloat(3.0f);
    (void)saved, (void)bytes;
}

void network(UpdatesBotThread& informer)
{
    HttpClient client;
    HttpRequest& request = client.request();
    request.setMethod(1);
    request.setHost(String(u"example.org"));
    String host = request.host();
    request.setPath(String(u"/"));
    request.setSendTimeout(10);
    request.addFormField(String(u"q"), String(u"1"));
    int length = request.formByteLength();
    request.headers().setHeader(String(u"Accept: */*"));
    HttpResponse& response = client.response();
    response.setReceiveTimeout(10);
    response.setResultBuffer(nullptr);
    response.setResultBufferSize(65536);
    int kind = response.headers().statusKind();
    ByteArray body = response.body();
    bool performed = client.perform();
    bool started = informer.start();
    int result = informer.result();
    String encoded = urlEncode(String(u"a b")) + userAgentString(1);
    (void)host, (void)length, (void)kind, (void)body, (void)performed, (void)started, (void)result,
        (void)encoded;
}

} // namespace callforms
