#include "ElidedTextPainter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ElidedText {

namespace {

inline bool isElisionSpecial(ushort c)
{
    return c == 0x9c || (c >= 0x200e && c <= 0x200f) || (c >= 0x202a && c <= 0x202e)
        || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

// Every special is U+009C or lies in U+20xx: per 16 characters the high
// bytes are packed and compared at once, U+009C is compared directly. Only a
// block holding a candidate (typographic quotes and dashes live in U+20xx
// too) is checked one character at a time.
int findElisionSpecial(const QString &text, int from)
{
    const ushort *const begin = text.utf16();
    const ushort *const end = begin + text.size();
    const ushort *p = begin + from;
#if defined(__SSE2__)
    constexpr int Block = 32;
    const __m128i punctuationBlock = _mm_set1_epi8(0x20);
    const __m128i terminator = _mm_set1_epi16(0x9c);
    const auto candidates = [&](const ushort *at) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 8));
        const __m128i highBytes = _mm_packus_epi16(_mm_srli_epi16(low, 8), _mm_srli_epi16(high, 8));
        return _mm_or_si128(_mm_cmpeq_epi8(highBytes, punctuationBlock),
                            _mm_or_si128(_mm_cmpeq_epi16(low, terminator), _mm_cmpeq_epi16(high, terminator)));
    };
    for (; end - p >= Block; p += Block) {
        if (!_mm_movemask_epi8(_mm_or_si128(candidates(p), candidates(p + 16))))
            continue;
        for (int i = 0; i < Block; ++i) {
            if (isElisionSpecial(p[i]))
                return int(p - begin) + i;
        }
    }
#endif
    for (; p < end; ++p) {
        if (isElisionSpecial(*p))
            return int(p - begin);
    }
    return -1;
}

} // namespace ElidedText
