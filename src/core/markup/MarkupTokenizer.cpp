#include "markup/MarkupTokenizer.h"

#include <array>
#include <limits>

namespace {

enum class TagParam : std::uint8_t { None, Number, ImageName };

struct TagInfo {
    std::string_view name;
    MarkupTokenKind kind;
    TagParam param;
    std::int32_t defaultValue;
    bool defaultPercent;
};

// Default colour parameters are left open (hasValue false): the renderer fills
// in the palette's default entries.
constexpr std::array<TagInfo, 17> kTags{{
    {"b", MarkupTokenKind::Bold, TagParam::None, 0, false},
    {"i", MarkupTokenKind::Italic, TagParam::None, 0, false},
    {"u", MarkupTokenKind::Underline, TagParam::None, 0, false},
    {"s", MarkupTokenKind::StrikeOut, TagParam::None, 0, false},
    {"br", MarkupTokenKind::LineBreak, TagParam::Number, 1, false},
    {"t", MarkupTokenKind::Tab, TagParam::Number, 1, false},
    {"ct", MarkupTokenKind::TextColor, TagParam::Number, 0, false},
    {"cti", MarkupTokenKind::TextColorIndex, TagParam::Number, 0, false},
    {"cb", MarkupTokenKind::BackColor, TagParam::Number, 0, false},
    {"cbi", MarkupTokenKind::BackColorIndex, TagParam::Number, 0, false},
    {"al", MarkupTokenKind::AlignLeft, TagParam::None, 0, false},
    {"al_l", MarkupTokenKind::AlignLeft, TagParam::None, 0, false},
    {"al_c", MarkupTokenKind::AlignCenter, TagParam::None, 0, false},
    {"al_r", MarkupTokenKind::AlignRight, TagParam::None, 0, false},
    {"hr", MarkupTokenKind::Rule, TagParam::Number, 100, true},
    {"img", MarkupTokenKind::Image, TagParam::ImageName, 0, false},
    {"ilst", MarkupTokenKind::ImageListIndex, TagParam::Number, 0, false},
}};
constexpr std::size_t kLongestTagName = 4;

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

const TagInfo* FindTag(std::string_view name)
{
    for (const TagInfo& tag : kTags) {
        if (tag.name == name)
            return &tag;
    }
    return nullptr;
}

bool HasNumberValue(MarkupTokenKind kind)
{
    switch (kind) {
    case MarkupTokenKind::TextColor:
    case MarkupTokenKind::TextColorIndex:
    case MarkupTokenKind::BackColor:
    case MarkupTokenKind::BackColorIndex:
        return false;  // the renderer knows the default colour
    default:
        return true;
    }
}

enum class State : std::uint8_t {
    Text,
    TagName,
    SkipToClose,
    ParamExpected,
    Param,
    ImageExpected,
    ImageName
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view markup) : m_in(markup) {}

    MarkupTokens Run()
    {
        m_out.text.reserve(m_in.size());
        m_out.tokens.reserve(m_in.size() / 8 + 2);
        std::size_t i = 0;
        while (i < m_in.size()) {
            if (Step(m_in[i]))
                ++i;
        }
        // The end of the text is one line break in any state; an unfinished
        // tag is lost with it.
        MarkupToken end;
        end.kind = MarkupTokenKind::LineBreak;
        end.value = 1;
        end.hasValue = true;
        Emit(end);
        return std::move(m_out);
    }

private:
    // Returns false when the character is to be read again in the new state.
    bool Step(char c)
    {
        switch (m_state) {
        case State::Text:
            if (c == '\n' || c == '\t') {
                MarkupToken token;
                token.kind = c == '\n' ? MarkupTokenKind::LineBreak : MarkupTokenKind::Tab;
                token.value = 1;
                token.hasValue = true;
                Emit(token);
            } else if (c == '<') {
                m_name.clear();
                m_nameTooLong = false;
                m_closing = false;
                m_state = State::TagName;
            } else if (c != '\r') {
                AppendRun(c);
            }
            return true;
        case State::TagName:
            if (m_name.empty() && !m_nameTooLong) {
                if (c == '/') {
                    m_closing = true;
                    return true;
                }
                if (c == '<') {
                    AppendRun('<');
                    m_state = State::Text;
                    return true;
                }
            }
            if (c == ' ') {
                EndOfName();
                return true;
            }
            if (c == '=' || c == '>') {
                EndOfName();
                return false;
            }
            if (c == '/')
                return true;
            if (m_name.size() < kLongestTagName)
                m_name.push_back(Lower(c));
            else
                m_nameTooLong = true;
            return true;
        case State::SkipToClose:
            if (c == '>') {
                if (m_tag)
                    ApplyTag();
                m_state = State::Text;
            }
            return true;
        case State::ParamExpected:
            if (c == '=') {
                m_param.clear();
                m_state = State::Param;
            } else if (c == '>') {
                ApplyTag();
                m_state = State::Text;
            }
            return true;
        case State::Param:
            if (c == ' ' || c == '%' || c == '>') {
                if (m_tag->kind == MarkupTokenKind::Rule)
                    m_pending.percent = c == '%';
                if (!m_param.empty()) {
                    m_pending.value = ParseMarkupNumber(m_param);
                    m_pending.hasValue = true;
                }
                m_state = State::SkipToClose;
                return c != '>';
            }
            // Digits beyond the first few dozen cannot change a saturated value.
            if (m_param.size() < 64)
                m_param.push_back(c);
            return true;
        case State::ImageExpected:
            if (c == '=') {
                m_state = State::ImageName;
                return true;
            }
            if (c == '>') {
                m_state = State::ImageName;
                return false;
            }
            return true;
        case State::ImageName:
            if (c == '>') {
                m_state = State::SkipToClose;
                return false;
            }
            m_imageName.push_back(c);
            return true;
        }
        return true;
    }

    void EndOfName()
    {
        m_tag = m_nameTooLong ? nullptr : FindTag(m_name);
        if (!m_tag) {
            m_state = State::SkipToClose;
            return;
        }
        m_pending = MarkupToken{};
        m_pending.kind = m_tag->kind;
        m_pending.closing = m_closing;
        if (HasNumberValue(m_tag->kind)) {
            m_pending.value = m_tag->defaultValue;
            m_pending.hasValue = true;
        }
        m_pending.percent = m_tag->defaultPercent;
        m_imageName.clear();
        switch (m_tag->param) {
        case TagParam::None:
            m_state = State::SkipToClose;
            break;
        case TagParam::Number:
            m_state = State::ParamExpected;
            break;
        case TagParam::ImageName:
            m_state = State::ImageExpected;
            break;
        }
    }

    void ApplyTag()
    {
        MarkupToken token = m_pending;
        FlushRun();
        if (token.kind == MarkupTokenKind::Image) {
            token.offset = static_cast<std::uint32_t>(m_out.text.size());
            token.length = static_cast<std::uint32_t>(m_imageName.size());
            m_out.text += m_imageName;
            m_runStart = m_out.text.size();
        }
        m_out.tokens.push_back(token);
        m_tag = nullptr;
    }

    void AppendRun(char c) { m_out.text.push_back(c); }

    void FlushRun()
    {
        if (m_out.text.size() > m_runStart) {
            MarkupToken run;
            run.kind = MarkupTokenKind::Text;
            run.offset = static_cast<std::uint32_t>(m_runStart);
            run.length = static_cast<std::uint32_t>(m_out.text.size() - m_runStart);
            m_out.tokens.push_back(run);
            m_runStart = m_out.text.size();
        }
    }

    void Emit(const MarkupToken& token)
    {
        FlushRun();
        m_out.tokens.push_back(token);
    }

    std::string_view m_in;
    MarkupTokens m_out;
    State m_state = State::Text;
    std::size_t m_runStart = 0;
    std::string m_name;
    bool m_nameTooLong = false;
    bool m_closing = false;
    const TagInfo* m_tag = nullptr;
    MarkupToken m_pending;
    std::string m_param;
    std::string m_imageName;
};

}  // namespace

MarkupTokens TokenizeMarkup(std::string_view markup)
{
    return Tokenizer(markup).Run();
}

std::int32_t ParseMarkupNumber(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        const char h = i + 2 < text.size() ? text[i + 2] : '\0';
        const bool hexDigit = (h >= '0' && h <= '9') || (h >= 'a' && h <= 'f') || (h >= 'A' && h <= 'F');
        if (hexDigit) {
            base = 16;
            i += 2;
        }
    } else if (i < text.size() && text[i] == '0') {
        base = 8;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
        if (value > kMax + 1)
            value = kMax + 1;
    }
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value > kMax ? kMax : value);
}
