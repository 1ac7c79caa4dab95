// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/eucjis2004.h"

#include "rules/errors.h"

#include <cerrno>
#include <iconv.h>

namespace rova::postal
{

namespace
{

constexpr struct {
    char16_t jis;
    char16_t cp932;
} kCodePageForms[] = {{u'\u2212', u'\uFF0D'}, {u'\u301C', u'\uFF5E'}, {u'\u2014', u'\u2015'},
                      {u'\u2016', u'\u2225'}, {u'\u00A2', u'\uFFE0'}, {u'\u00A3', u'\uFFE1'},
                      {u'\u00AC', u'\uFFE2'}};

class Converter
{
public:
    Converter() : m_cd(iconv_open("UTF-16LE", "EUC-JISX0213"))
    {
        if (m_cd == iconv_t(-1))
            throw Error(QStringLiteral("EUC-JIS-2004 の文字コード変換がこのシステムにありません"));
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    operator iconv_t() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

QString decodeEucJis2004(const QByteArray& bytes)
{
    Converter converter;
    // No character takes fewer bytes than UTF-16 units, so the text fits in as many units as bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* out = reinterpret_cast<char*>(text.data());
    size_t outLeft = size_t(text.size()) * 2;
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            throw Error(errtext::fromErrno(errno));
        // An unknown or cut-off sequence: one replacement character, then on after its first byte.
        *reinterpret_cast<char16_t*>(out) = u'\uFFFD';
        out += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    text.resize(qsizetype(text.size() - qsizetype(outLeft / 2)));
    for (QChar& c : text) {
        if (c.unicode() < 0xA2 || (c.unicode() > 0xAC && c.unicode() < 0x2014) || c.unicode() > 0x301C)
            continue; // most characters: none of the seven
        for (const auto& m : kCodePageForms) {
            if (c.unicode() == m.jis)
                c = QChar(m.cp932);
        }
    }
    return text;
}

} // namespace rova::postal
