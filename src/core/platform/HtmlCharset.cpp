#include "HtmlCharset.h"

#include "EncodingLabels.h"

#include <QByteArray>
#include <QList>
#include <cstring>
#include <optional>

namespace {

bool IsSpace(char c)
{
    return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool StartsWithAnyCase(QByteArrayView bytes, qsizetype at, const char* word)
{
    const auto length = static_cast<qsizetype>(std::strlen(word));
    if (at + length > bytes.size())
        return false;
    for (qsizetype i = 0; i < length; ++i)
        if (Lower(bytes[at + i]) != word[i])
            return false;
    return true;
}

struct Attribute {
    QByteArray name;   // lower-cased
    QByteArray value;  // lower-cased
};

// Reads the page's first bytes as markup, the way a browser does before it knows the encoding.
// Running out of bytes inside a tag or a comment ends the search without a result.
class Prescan {
public:
    explicit Prescan(QByteArrayView bytes) : b_(bytes.first(qMin(bytes.size(), kCharsetPrescanBytes))) {}

    const char* Run()
    {
        for (; pos_ < b_.size(); ++pos_) {
            if (StartsWithAnyCase(b_, pos_, "<!--")) {
                // The dashes of the opener may end the comment too: "<!-->" is a whole comment.
                const qsizetype close = b_.indexOf(QByteArrayView("-->"), pos_ + 2);
                if (close < 0)
                    return nullptr;
                pos_ = close + 2;
            } else if (StartsWithAnyCase(b_, pos_, "<meta") && pos_ + 5 < b_.size()
                       && (IsSpace(b_[pos_ + 5]) || b_[pos_ + 5] == '/')) {
                pos_ += 5;
                if (const char* encoding = Meta())
                    return encoding;
            } else if (b_[pos_] == '<' && pos_ + 1 < b_.size()
                       && (IsLetter(b_[pos_ + 1]) || (b_[pos_ + 1] == '/' && pos_ + 2 < b_.size() && IsLetter(b_[pos_ + 2])))) {
                while (pos_ < b_.size() && !IsSpace(b_[pos_]) && b_[pos_] != '>')
                    ++pos_;
                while (NextAttribute()) {
                }
            } else if (StartsWithAnyCase(b_, pos_, "<!") || StartsWithAnyCase(b_, pos_, "</")
                       || StartsWithAnyCase(b_, pos_, "<?")) {
                const qsizetype close = b_.indexOf('>', pos_ + 1);
                if (close < 0)
                    return nullptr;
                pos_ = close;
            }
        }
        return nullptr;
    }

private:
    // The attributes of a <meta> tag decide whether it declares the encoding.
    const char* Meta()
    {
        QList<QByteArray> seen;
        bool gotPragma = false;
        std::optional<bool> needPragma;
        bool charsetSet = false;
        const char* charset = nullptr;  // nullptr once set: a label that names no encoding
        while (const std::optional<Attribute> attribute = NextAttribute()) {
            if (seen.contains(attribute->name))
                continue;
            seen.append(attribute->name);
            if (attribute->name == "http-equiv") {
                gotPragma = gotPragma || attribute->value == "content-type";
            } else if (attribute->name == "content") {
                const char* found = EncodingOfContentType(attribute->value);
                if (found && !charsetSet) {
                    charset = found;
                    charsetSet = true;
                    needPragma = true;
                }
            } else if (attribute->name == "charset") {
                charset = EncodingForLabel(attribute->value);
                charsetSet = true;
                needPragma = false;
            }
        }
        if (!needPragma || (*needPragma && !gotPragma) || !charset)
            return nullptr;
        if (std::strcmp(charset, "UTF-16BE") == 0 || std::strcmp(charset, "UTF-16LE") == 0)
            return "UTF-8";
        if (std::strcmp(charset, "x-user-defined") == 0)
            return "windows-1252";
        return charset;
    }

    // The next attribute of the tag being read, or nothing at its ">" or at the end of the bytes.
    std::optional<Attribute> NextAttribute()
    {
        while (pos_ < b_.size() && (IsSpace(b_[pos_]) || b_[pos_] == '/'))
            ++pos_;
        if (pos_ >= b_.size() || b_[pos_] == '>')
            return std::nullopt;
        Attribute attribute;
        for (;; ++pos_) {
            if (pos_ >= b_.size())
                return std::nullopt;
            const char c = b_[pos_];
            if (c == '=' && !attribute.name.isEmpty())
                break;
            if (IsSpace(c)) {
                while (pos_ < b_.size() && IsSpace(b_[pos_]))
                    ++pos_;
                if (pos_ >= b_.size() || b_[pos_] != '=')
                    return attribute;
                break;
            }
            if (c == '/' || c == '>')
                return attribute;
            attribute.name += Lower(c);
        }
        ++pos_;  // past the "="
        if (!ReadValue(attribute.value))
            return std::nullopt;
        return attribute;
    }

    // The value after "=": quoted, or up to a blank or ">". False when the bytes run out first.
    bool ReadValue(QByteArray& value)
    {
        while (pos_ < b_.size() && IsSpace(b_[pos_]))
            ++pos_;
        if (pos_ >= b_.size())
            return false;
        const char first = b_[pos_];
        if (first == '"' || first == '\'') {
            for (++pos_; pos_ < b_.size(); ++pos_) {
                if (b_[pos_] == first) {
                    ++pos_;
                    return true;
                }
                value += Lower(b_[pos_]);
            }
            return false;
        }
        for (; pos_ < b_.size(); ++pos_) {
            const char c = b_[pos_];
            if (IsSpace(c) || c == '>')
                return true;
            value += Lower(c);
        }
        return false;
    }

    QByteArrayView b_;
    qsizetype pos_ = 0;
};

}  // namespace

const char* EncodingOfContentType(QByteArrayView content)
{
    const qsizetype size = content.size();
    qsizetype from = 0;
    for (;;) {
        qsizetype at = from;
        while (at < size && !StartsWithAnyCase(content, at, "charset"))
            ++at;
        if (at >= size)
            return nullptr;
        qsizetype p = at + 7;
        while (p < size && IsSpace(content[p]))
            ++p;
        if (p >= size || content[p] != '=') {
            from = p;
            continue;
        }
        ++p;
        while (p < size && IsSpace(content[p]))
            ++p;
        if (p >= size)
            return nullptr;
        const char quote = content[p];
        if (quote == '"' || quote == '\'') {
            const qsizetype close = content.indexOf(quote, p + 1);
            return close < 0 ? nullptr : EncodingForLabel(content.sliced(p + 1, close - p - 1));
        }
        qsizetype end = p;
        while (end < size && !IsSpace(content[end]) && content[end] != ';')
            ++end;
        return EncodingForLabel(content.sliced(p, end - p));
    }
}

const char* DeclaredEncoding(QByteArrayView bytes)
{
    return Prescan(bytes).Run();
}
