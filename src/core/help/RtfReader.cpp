#include "RtfReader.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr int MaxWordLength = 32;      // longer control words are unknown by definition
constexpr qint64 ParamLimit = 1000000; // parameters are clamped to +-this
constexpr int MinHalfPoints = 2;       // 1 pt
constexpr int MaxHalfPoints = 288;     // 144 pt
constexpr int DefaultHalfPoints = 24;  // 12 pt, the RTF default
constexpr int MaxUnicodeSkip = 16;     // \ucN: no code page needs more bytes than this
constexpr int MaxIndentTwips = 14400;  // 10 inches
constexpr int TwipsPerPixel = 15;      // 1440 twips an inch, 96 pixels an inch
constexpr int MaxFonts = 256;
constexpr int MaxFontNameLength = 64;

constexpr char16_t Replacement = 0xFFFD;

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC,      Replacement, 0x201A, 0x0192, 0x201E, 0x2026,      0x2020, 0x2021,
    0x02C6,      0x2030,      0x0160, 0x2039, 0x0152, Replacement, 0x017D, Replacement,
    Replacement, 0x2018,      0x2019, 0x201C, 0x201D, 0x2022,      0x2013, 0x2014,
    0x02DC,      0x2122,      0x0161, 0x203A, 0x0153, Replacement, 0x017E, 0x0178};

char16_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return Cp1252High[byte - 0x80];
    return byte;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class Kw : quint8 {
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Font,
    DefaultFont,
    Plain,
    Par,
    Pard,
    Line,
    Tab,
    Cell,
    AlignCenter,
    AlignLeft,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    Unicode,
    UnicodeSkip,
    Binary,
    CodePage,
    Char, // a special character, given in the table
    Skip, // a destination whose text is not shown
    FontTable,
};

struct Keyword {
    std::string_view name;
    Kw kw;
    char16_t ch = 0;
};

// Sorted by name for binary search; checked below.
constexpr Keyword Keywords[] = {
    {"annotation", Kw::Skip},
    {"ansicpg", Kw::CodePage},
    {"atnauthor", Kw::Skip},
    {"atnid", Kw::Skip},
    {"author", Kw::Skip},
    {"b", Kw::Bold},
    {"bin", Kw::Binary},
    {"bullet", Kw::Char, 0x2022},
    {"buptim", Kw::Skip},
    {"cell", Kw::Cell},
    {"colortbl", Kw::Skip},
    {"comment", Kw::Skip},
    {"company", Kw::Skip},
    {"creatim", Kw::Skip},
    {"datastore", Kw::Skip},
    {"deff", Kw::DefaultFont},
    {"doccomm", Kw::Skip},
    {"docvar", Kw::Skip},
    {"emdash", Kw::Char, 0x2014},
    {"emspace", Kw::Char, 0x2003},
    {"endash", Kw::Char, 0x2013},
    {"enspace", Kw::Char, 0x2002},
    {"f", Kw::Font},
    {"falt", Kw::Skip},
    {"fi", Kw::FirstIndent},
    {"filetbl", Kw::Skip},
    {"fldinst", Kw::Skip},
    {"fonttbl", Kw::FontTable},
    {"footer", Kw::Skip},
    {"footerf", Kw::Skip},
    {"footerl", Kw::Skip},
    {"footerr", Kw::Skip},
    {"footnote", Kw::Skip},
    {"fs", Kw::FontSize},
    {"generator", Kw::Skip},
    {"header", Kw::Skip},
    {"headerf", Kw::Skip},
    {"headerl", Kw::Skip},
    {"headerr", Kw::Skip},
    {"i", Kw::Italic},
    {"info", Kw::Skip},
    {"keywords", Kw::Skip},
    {"latentstyles", Kw::Skip},
    {"ldblquote", Kw::Char, 0x201C},
    {"li", Kw::LeftIndent},
    {"line", Kw::Line},
    {"listoverridetable", Kw::Skip},
    {"listtable", Kw::Skip},
    {"lquote", Kw::Char, 0x2018},
    {"objdata", Kw::Skip},
    {"object", Kw::Skip},
    {"operator", Kw::Skip},
    {"page", Kw::Par},
    {"par", Kw::Par},
    {"pard", Kw::Pard},
    {"pict", Kw::Skip},
    {"plain", Kw::Plain},
    {"pn", Kw::Skip},
    {"printim", Kw::Skip},
    {"private", Kw::Skip},
    {"qc", Kw::AlignCenter},
    {"qj", Kw::AlignJustify},
    {"ql", Kw::AlignLeft},
    {"qmspace", Kw::Char, 0x2005},
    {"qr", Kw::AlignRight},
    {"rdblquote", Kw::Char, 0x201D},
    {"revtbl", Kw::Skip},
    {"revtim", Kw::Skip},
    {"ri", Kw::RightIndent},
    {"row", Kw::Par},
    {"rquote", Kw::Char, 0x2019},
    {"rsidtbl", Kw::Skip},
    {"rxe", Kw::Skip},
    {"sa", Kw::SpaceAfter},
    {"sb", Kw::SpaceBefore},
    {"sect", Kw::Par},
    {"shp", Kw::Skip},
    {"strike", Kw::Strike},
    {"stylesheet", Kw::Skip},
    {"subject", Kw::Skip},
    {"tab", Kw::Tab},
    {"tc", Kw::Skip},
    {"template", Kw::Skip},
    {"themedata", Kw::Skip},
    {"title", Kw::Skip},
    {"txe", Kw::Skip},
    {"u", Kw::Unicode},
    {"uc", Kw::UnicodeSkip},
    {"ul", Kw::Underline},
    {"uld", Kw::Underline},
    {"uldash", Kw::Underline},
    {"uldb", Kw::Underline},
    {"ulnone", Kw::UnderlineNone},
    {"ulth", Kw::Underline},
    {"ulw", Kw::Underline},
    {"userprops", Kw::Skip},
    {"xe", Kw::Skip},
    {"xmlnstbl", Kw::Skip},
};

constexpr bool keywordsSorted() {
    return std::is_sorted(std::begin(Keywords), std::end(Keywords),
                          [](const Keyword& a, const Keyword& b) { return a.name < b.name; });
}
static_assert(keywordsSorted(), "Keywords must be sorted for binary search");

const Keyword* findKeyword(std::string_view name) {
    const auto* it =
        std::lower_bound(std::begin(Keywords), std::end(Keywords), name,
                         [](const Keyword& k, std::string_view n) { return k.name < n; });
    if (it != std::end(Keywords) && it->name == name)
        return it;
    return nullptr;
}

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = DefaultHalfPoints;
    int font = -1; // -1: the document's default font (\deff)

    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0; // all in twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

enum class Dest : quint8 { Text, Skip, FontTable };

struct GroupState {
    CharState chr;
    ParaState para;
    int unicodeSkip = 1;
    Dest dest = Dest::Text;
};

class Parser {
public:
    Parser(const QByteArray& data, QTextDocument* document)
        : m_data(data.constData()), m_size(data.size()), m_cursor(document) {
        m_stack.reserve(RtfReader::MaxGroupDepth + 1);
        m_stack.emplace_back(); // outside the document's own group
    }

    void run() {
        m_cursor.beginEditBlock();
        while (m_pos < m_size && !m_finished) {
            const char c = m_data[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                control();
                break;
            case '\r':
            case '\n':
                break;
            default:
                character(static_cast<unsigned char>(c));
                break;
            }
        }
        finish(); // input ended inside a group
        m_cursor.endEditBlock();
    }

private:
    GroupState& state() { return m_stack.back(); }
    bool skipping() const { return m_overflow > 0 || m_stack.back().dest == Dest::Skip; }

    // After \uN the next N characters are the fallback for readers without Unicode.
    bool swallowed() {
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return true;
        }
        return false;
    }

    void openGroup() {
        m_pendingSkip = 0;
        if (m_overflow > 0 || static_cast<int>(m_stack.size()) > RtfReader::MaxGroupDepth) {
            ++m_overflow;
            return;
        }
        m_stack.push_back(m_stack.back());
    }

    void closeGroup() {
        m_pendingSkip = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_stack.size() <= 2) { // the document's own group: nothing after it counts
            finish();
            return;
        }
        if (state().dest == Dest::FontTable)
            commitFontName();
        m_stack.pop_back();
    }

    void character(unsigned char c) {
        if (skipping() || swallowed())
            return;
        if (c == ';' && state().dest == Dest::FontTable) {
            commitFontName();
            return;
        }
        if (c < 0x80 && !m_decoderPending)
            putExternal(c);
        else
            codePageByte(c);
    }

    void control() {
        if (m_pos >= m_size)
            return; // a lone backslash at the end
        if (!isLetter(m_data[m_pos])) {
            symbol(m_data[m_pos++]);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_size && isLetter(m_data[m_pos]))
            ++m_pos;
        const qsizetype length = m_pos - start;

        bool negative = false;
        if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        bool hasParam = false;
        qint64 value = 0;
        while (m_pos < m_size && isDigit(m_data[m_pos])) {
            hasParam = true;
            if (value <= ParamLimit)
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        value = std::min(value, ParamLimit);
        if (m_pos < m_size && m_data[m_pos] == ' ')
            ++m_pos; // the delimiter belongs to the control word

        const std::string_view name(m_data + start, static_cast<size_t>(length));
        const Keyword* keyword = length <= MaxWordLength ? findKeyword(name) : nullptr;
        word(keyword, hasParam, static_cast<int>(negative ? -value : value));
    }

    void word(const Keyword* keyword, bool hasParam, int param) {
        if (keyword && keyword->kw == Kw::Binary) {
            // Raw bytes follow: skip them whatever the state, they may hold braces.
            m_pos += std::min<qint64>(std::max(param, 0), m_size - m_pos);
            swallowed();
            return;
        }
        if (skipping() || swallowed() || !keyword)
            return;

        GroupState& s = state();
        if (s.dest == Dest::FontTable) {
            fontTableWord(*keyword, param);
            return;
        }
        if (characterWord(keyword->kw, hasParam, param, s.chr) ||
            paragraphWord(keyword->kw, param, s.para))
            return;
        switch (keyword->kw) {
        case Kw::DefaultFont:
            m_defaultFont = param;
            break;
        case Kw::Par:
            paragraph();
            break;
        case Kw::Line:
            putText(QChar::LineSeparator);
            break;
        case Kw::Tab:
        case Kw::Cell:
            putText(u'\t');
            break;
        case Kw::Unicode:
            unicode(hasParam, param);
            break;
        case Kw::UnicodeSkip:
            s.unicodeSkip = std::clamp(param, 0, MaxUnicodeSkip);
            break;
        case Kw::Char:
            putText(keyword->ch);
            break;
        case Kw::Skip:
            s.dest = Dest::Skip;
            break;
        case Kw::FontTable:
            s.dest = Dest::FontTable;
            m_fontNumber = -1;
            m_fontName.clear();
            break;
        case Kw::CodePage:
            codePage(param);
            break;
        default: // formatting, taken above, and \bin, taken first
            break;
        }
    }

    // A character formatting word into `chr`; false for a word of another kind.
    static bool characterWord(Kw kw, bool hasParam, int param, CharState& chr) {
        const bool on = !hasParam || param != 0;
        switch (kw) {
        case Kw::Bold:
            chr.bold = on;
            return true;
        case Kw::Italic:
            chr.italic = on;
            return true;
        case Kw::Underline:
            chr.underline = on;
            return true;
        case Kw::UnderlineNone:
            chr.underline = false;
            return true;
        case Kw::Strike:
            chr.strike = on;
            return true;
        case Kw::FontSize:
            chr.halfPoints =
                hasParam ? std::clamp(param, MinHalfPoints, MaxHalfPoints) : DefaultHalfPoints;
            return true;
        case Kw::Font:
            chr.font = hasParam ? param : -1;
            return true;
        case Kw::Plain:
            chr = CharState();
            return true;
        default:
            return false;
        }
    }

    // A paragraph formatting word into `para`; false for a word of another kind.
    static bool paragraphWord(Kw kw, int param, ParaState& para) {
        switch (kw) {
        case Kw::Pard:
            para = ParaState();
            return true;
        case Kw::AlignCenter:
            para.align = Qt::AlignHCenter;
            return true;
        case Kw::AlignLeft:
            para.align = Qt::AlignLeft;
            return true;
        case Kw::AlignRight:
            para.align = Qt::AlignRight;
            return true;
        case Kw::AlignJustify:
            para.align = Qt::AlignJustify;
            return true;
        case Kw::LeftIndent:
            para.leftIndent = std::clamp(param, 0, MaxIndentTwips);
            return true;
        case Kw::RightIndent:
            para.rightIndent = std::clamp(param, 0, MaxIndentTwips);
            return true;
        case Kw::FirstIndent:
            para.firstIndent = std::clamp(param, -MaxIndentTwips, MaxIndentTwips);
            return true;
        case Kw::SpaceBefore:
            para.spaceBefore = std::clamp(param, 0, MaxIndentTwips);
            return true;
        case Kw::SpaceAfter:
            para.spaceAfter = std::clamp(param, 0, MaxIndentTwips);
            return true;
        default:
            return false;
        }
    }

    void fontTableWord(const Keyword& keyword, int param) {
        switch (keyword.kw) {
        case Kw::Font:
            m_fontNumber = param;
            m_fontName.clear();
            break;
        case Kw::Skip:
            state().dest = Dest::Skip;
            break;
        case Kw::Unicode:
            unicode(true, param);
            break;
        case Kw::UnicodeSkip:
            state().unicodeSkip = std::clamp(param, 0, MaxUnicodeSkip);
            break;
        default:
            break;
        }
    }

    void symbol(char c) {
        if (c == '*') { // an optional destination: skipped since we did not know it
            if (m_overflow == 0 && m_stack.size() > 2)
                state().dest = Dest::Skip;
            return;
        }
        if (c == '\'') {
            hexEscape();
            return;
        }
        if (skipping() || swallowed())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            putExternal(static_cast<char16_t>(c));
            break;
        case '~':
            putText(QChar::Nbsp);
            break;
        case '-':
            putText(QChar::SoftHyphen);
            break;
        case '_':
            putText(u'\u2011'); // non-breaking hyphen
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            break; // \: \| and unknown symbols
        }
    }

    void hexEscape() {
        const int high = m_pos < m_size ? hexValue(m_data[m_pos]) : -1;
        if (high < 0)
            return;
        ++m_pos;
        const int low = m_pos < m_size ? hexValue(m_data[m_pos]) : -1;
        if (low < 0)
            return;
        ++m_pos;
        if (skipping() || swallowed())
            return;
        codePageByte(static_cast<unsigned char>(high * 16 + low));
    }

    // Only the first \ansicpg counts: it belongs in the header, and opening a decoder for each
    // of thousands of them would be slow. Code pages without a decoder read as Windows-1252.
    void codePage(int number) {
        if (m_codePageSeen)
            return;
        m_codePageSeen = true;
        const bool singleOrDoubleByte = number >= 437 && number <= 1258;
        const bool mac = number >= 10000 && number < 10100;
        if (number == 1252 || !(singleOrDoubleByte || mac || number == 65001))
            return;
        QStringDecoder decoder(("windows-" + QByteArray::number(number)).constData());
        if (decoder.isValid())
            m_decoder.emplace(std::move(decoder));
    }

    // A byte of the document's code page. A decoder keeps the lead byte of a double-byte
    // character until its trail byte arrives.
    void codePageByte(unsigned char byte) {
        if (!m_decoder) {
            putExternal(fromCp1252(byte));
            return;
        }
        const char c = static_cast<char>(byte);
        const QString decoded = m_decoder->decode(QByteArrayView(&c, 1));
        m_decoderPending = decoded.isEmpty();
        for (const QChar ch : decoded)
            putExternal(ch.unicode());
    }

    void unicode(bool hasParam, int param) {
        if (!hasParam)
            return;
        int code = param < 0 ? param + 65536 : param;
        if (code < 0 || code > 0xFFFF)
            code = Replacement;
        putExternal(static_cast<char16_t>(code));
        m_pendingSkip = state().unicodeSkip;
    }

    // Characters from the input: control characters would disturb the document's structure.
    void putExternal(char16_t ch) {
        if ((ch < 0x20 && ch != u'\t') || ch == 0x7F)
            return;
        if (ch == QChar::ParagraphSeparator) {
            ch = QChar::LineSeparator;
        } else if (ch == 0xFDD0 || ch == 0xFDD1 || ch == QChar::ObjectReplacementCharacter ||
                   ch == 0xFFFE || ch == 0xFFFF) {
            ch = Replacement;
        }
        if (state().dest == Dest::FontTable)
            appendFontName(QChar(ch));
        else
            putText(ch);
    }

    // A text character in the current format; pairs up the halves of a surrogate pair.
    void putText(QChar ch) {
        if (state().dest != Dest::Text)
            return;
        if (ch.isLowSurrogate()) {
            if (m_highSurrogate.isNull()) {
                append(QChar(Replacement));
            } else {
                append(m_highSurrogate);
                append(ch);
                m_highSurrogate = QChar();
            }
            return;
        }
        resolveSurrogate();
        if (ch.isHighSurrogate())
            m_highSurrogate = ch;
        else
            append(ch);
    }

    void resolveSurrogate() {
        if (!m_highSurrogate.isNull()) {
            m_highSurrogate = QChar();
            append(QChar(Replacement));
        }
    }

    void append(QChar ch) {
        const CharState& chr = state().chr;
        if (!m_run.isEmpty() && !(chr == m_runState))
            flushRun();
        if (m_run.isEmpty())
            m_runState = chr;
        m_run.append(ch);
    }

    void flushRun() {
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, charFormat(m_runState));
        m_run.resize(0);
    }

    void paragraph() {
        if (state().dest != Dest::Text)
            return;
        resolveSurrogate();
        flushRun();
        const QTextBlockFormat format = blockFormat(state().para);
        m_cursor.setBlockFormat(format);
        m_cursor.insertBlock(format, charFormat(state().chr));
    }

    void finish() {
        if (m_finished)
            return;
        m_finished = true;
        resolveSurrogate();
        flushRun();
        if (m_cursor.block().length() <= 1 && m_cursor.document()->blockCount() > 1)
            m_cursor.deletePreviousChar(); // the empty paragraph after the last \par
        else
            m_cursor.setBlockFormat(blockFormat(state().para));
    }

    void appendFontName(QChar ch) {
        if (m_fontName.size() < MaxFontNameLength)
            m_fontName.append(ch);
    }

    void commitFontName() {
        const QString name = m_fontName.trimmed();
        m_fontName.clear();
        if (m_fontNumber < 0 || name.isEmpty())
            return;
        if (m_fonts.size() < MaxFonts || m_fonts.contains(m_fontNumber))
            m_fonts.insert(m_fontNumber, name);
        m_fontNumber = -1;
    }

    QTextCharFormat charFormat(const CharState& chr) const {
        QTextCharFormat format;
        format.setFontWeight(chr.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chr.italic);
        format.setFontUnderline(chr.underline);
        format.setFontStrikeOut(chr.strike);
        format.setFontPointSize(chr.halfPoints / 2.0);
        const auto font = m_fonts.constFind(chr.font >= 0 ? chr.font : m_defaultFont);
        if (font != m_fonts.constEnd())
            format.setFontFamilies({*font});
        return format;
    }

    static QTextBlockFormat blockFormat(const ParaState& para) {
        QTextBlockFormat format;
        format.setAlignment(para.align);
        format.setLeftMargin(para.leftIndent / qreal(TwipsPerPixel));
        format.setRightMargin(para.rightIndent / qreal(TwipsPerPixel));
        // A hanging indent may reach back to the margin but not beyond it.
        format.setTextIndent(std::max(para.firstIndent, -para.leftIndent) / qreal(TwipsPerPixel));
        format.setTopMargin(para.spaceBefore / qreal(TwipsPerPixel));
        format.setBottomMargin(para.spaceAfter / qreal(TwipsPerPixel));
        return format;
    }

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    qsizetype m_overflow = 0; // groups opened beyond the depth cap, still open
    int m_pendingSkip = 0;
    bool m_finished = false;

    QString m_run;
    CharState m_runState;
    QChar m_highSurrogate;

    QHash<int, QString> m_fonts;
    int m_defaultFont = -1;
    int m_fontNumber = -1;
    QString m_fontName;

    std::optional<QStringDecoder> m_decoder; // for a code page other than 1252
    bool m_codePageSeen = false;
    bool m_decoderPending = false;
};

} // namespace

bool RtfReader::read(const QByteArray& rtf, QTextDocument* document) {
    if (!document || !rtf.startsWith("{\\rtf"))
        return false;
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    Parser(rtf, document).run();
    document->setUndoRedoEnabled(undo);
    return true;
}

bool RtfReader::readFile(const QString& path, QTextDocument* document) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return false;
    const QByteArray data = file.read(MaxFileSize + 1);
    if (data.size() > MaxFileSize)
        return false;
    return read(data, document);
}
