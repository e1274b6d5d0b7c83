#include "transfer/half_width.h"

#include <algorithm>
#include <array>

#include "transfer/sjis.h"

namespace ruvo {

namespace {

struct HalfWidthRow {
  unsigned code;          // the full-width character in CP932
  std::string_view half;  // its half-width form in CP932
};

// Sorted by code. Full-width ASCII block (U+FF01-U+FF5E, including the IBM
// extension codes of "＇" and "＂"), the ideographic space, the marks and the
// katakana that have a half-width form.
constexpr std::array<HalfWidthRow, 186> kHalfWidthTable = {{
    {0x8140, " "},         // ideographic space (U+3000) → space
    {0x8141, "\xA4"},      // 、 → ､
    {0x8142, "\xA1"},      // 。 → ｡
    {0x8143, ","},         // ， → ,
    {0x8144, "."},         // ． → .
    {0x8145, "\xA5"},      // ・ → ･
    {0x8146, ":"},         // ： → :
    {0x8147, ";"},         // ； → ;
    {0x8148, "?"},         // ？ → ?
    {0x8149, "!"},         // ！ → !
    {0x814A, "\xDE"},      // ゛ → ﾞ
    {0x814B, "\xDF"},      // ゜ → ﾟ
    {0x814D, "`"},         // ｀ → `
    {0x814F, "^"},         // ＾ → ^
    {0x8151, "_"},         // ＿ → _
    {0x815B, "\xB0"},      // ー → ｰ
    {0x815E, "/"},         // ／ → /
    {0x815F, "\\"},        // ＼ (U+FF3C) → backslash
    {0x8160, "~"},         // ～ → ~
    {0x8162, "|"},         // ｜ → |
    {0x8169, "("},         // （ → (
    {0x816A, ")"},         // ） → )
    {0x816D, "["},         // ［ → [
    {0x816E, "]"},         // ］ → ]
    {0x816F, "{"},         // ｛ → {
    {0x8170, "}"},         // ｝ → }
    {0x8175, "\xA2"},      // 「 → ｢
    {0x8176, "\xA3"},      // 」 → ｣
    {0x817B, "+"},         // ＋ → +
    {0x817C, "-"},         // － → -
    {0x8181, "="},         // ＝ → =
    {0x8183, "<"},         // ＜ → <
    {0x8184, ">"},         // ＞ → >
    {0x8190, "$"},         // ＄ → $
    {0x8193, "%"},         // ％ → %
    {0x8194, "#"},         // ＃ → #
    {0x8195, "&"},         // ＆ → &
    {0x8196, "*"},         // ＊ → *
    {0x8197, "@"},         // ＠ → @
    {0x824F, "0"},         // ０ → 0
    {0x8250, "1"},         // １ → 1
    {0x8251, "2"},         // ２ → 2
    {0x8252, "3"},         // ３ → 3
    {0x8253, "4"},         // ４ → 4
    {0x8254, "5"},         // ５ → 5
    {0x8255, "6"},         // ６ → 6
    {0x8256, "7"},         // ７ → 7
    {0x8257, "8"},         // ８ → 8
    {0x8258, "9"},         // ９ → 9
    {0x8260, "A"},         // Ａ → A
    {0x8261, "B"},         // Ｂ → B
    {0x8262, "C"},         // Ｃ → C
    {0x8263, "D"},         // Ｄ → D
    {0x8264, "E"},         // Ｅ → E
    {0x8265, "F"},         // Ｆ → F
    {0x8266, "G"},         // Ｇ → G
    {0x8267, "H"},         // Ｈ → H
    {0x8268, "I"},         // Ｉ → I
    {0x8269, "J"},         // Ｊ → J
    {0x826A, "K"},         // Ｋ → K
    {0x826B, "L"},         // Ｌ → L
    {0x826C, "M"},         // Ｍ → M
    {0x826D, "N"},         // Ｎ → N
    {0x826E, "O"},         // Ｏ → O
    {0x826F, "P"},         // Ｐ → P
    {0x8270, "Q"},         // Ｑ → Q
    {0x8271, "R"},         // Ｒ → R
    {0x8272, "S"},         // Ｓ → S
    {0x8273, "T"},         // Ｔ → T
    {0x8274, "U"},         // Ｕ → U
    {0x8275, "V"},         // Ｖ → V
    {0x8276, "W"},         // Ｗ → W
    {0x8277, "X"},         // Ｘ → X
    {0x8278, "Y"},         // Ｙ → Y
    {0x8279, "Z"},         // Ｚ → Z
    {0x8281, "a"},         // ａ → a
    {0x8282, "b"},         // ｂ → b
    {0x8283, "c"},         // ｃ → c
    {0x8284, "d"},         // ｄ → d
    {0x8285, "e"},         // ｅ → e
    {0x8286, "f"},         // ｆ → f
    {0x8287, "g"},         // ｇ → g
    {0x8288, "h"},         // ｈ → h
    {0x8289, "i"},         // ｉ → i
    {0x828A, "j"},         // ｊ → j
    {0x828B, "k"},         // ｋ → k
    {0x828C, "l"},         // ｌ → l
    {0x828D, "m"},         // ｍ → m
    {0x828E, "n"},         // ｎ → n
    {0x828F, "o"},         // ｏ → o
    {0x8290, "p"},         // ｐ → p
    {0x8291, "q"},         // ｑ → q
    {0x8292, "r"},         // ｒ → r
    {0x8293, "s"},         // ｓ → s
    {0x8294, "t"},         // ｔ → t
    {0x8295, "u"},         // ｕ → u
    {0x8296, "v"},         // ｖ → v
    {0x8297, "w"},         // ｗ → w
    {0x8298, "x"},         // ｘ → x
    {0x8299, "y"},         // ｙ → y
    {0x829A, "z"},         // ｚ → z
    {0x8340, "\xA7"},      // ァ → ｧ
    {0x8341, "\xB1"},      // ア → ｱ
    {0x8342, "\xA8"},      // ィ → ｨ
    {0x8343, "\xB2"},      // イ → ｲ
    {0x8344, "\xA9"},      // ゥ → ｩ
    {0x8345, "\xB3"},      // ウ → ｳ
    {0x8346, "\xAA"},      // ェ → ｪ
    {0x8347, "\xB4"},      // エ → ｴ
    {0x8348, "\xAB"},      // ォ → ｫ
    {0x8349, "\xB5"},      // オ → ｵ
    {0x834A, "\xB6"},      // カ → ｶ
    {0x834B, "\xB6\xDE"},  // ガ → ｶﾞ
    {0x834C, "\xB7"},      // キ → ｷ
    {0x834D, "\xB7\xDE"},  // ギ → ｷﾞ
    {0x834E, "\xB8"},      // ク → ｸ
    {0x834F, "\xB8\xDE"},  // グ → ｸﾞ
    {0x8350, "\xB9"},      // ケ → ｹ
    {0x8351, "\xB9\xDE"},  // ゲ → ｹﾞ
    {0x8352, "\xBA"},      // コ → ｺ
    {0x8353, "\xBA\xDE"},  // ゴ → ｺﾞ
    {0x8354, "\xBB"},      // サ → ｻ
    {0x8355, "\xBB\xDE"},  // ザ → ｻﾞ
    {0x8356, "\xBC"},      // シ → ｼ
    {0x8357, "\xBC\xDE"},  // ジ → ｼﾞ
    {0x8358, "\xBD"},      // ス → ｽ
    {0x8359, "\xBD\xDE"},  // ズ → ｽﾞ
    {0x835A, "\xBE"},      // セ → ｾ
    {0x835B, "\xBE\xDE"},  // ゼ → ｾﾞ
    {0x835C, "\xBF"},      // ソ → ｿ
    {0x835D, "\xBF\xDE"},  // ゾ → ｿﾞ
    {0x835E, "\xC0"},      // タ → ﾀ
    {0x835F, "\xC0\xDE"},  // ダ → ﾀﾞ
    {0x8360, "\xC1"},      // チ → ﾁ
    {0x8361, "\xC1\xDE"},  // ヂ → ﾁﾞ
    {0x8362, "\xAF"},      // ッ → ｯ
    {0x8363, "\xC2"},      // ツ → ﾂ
    {0x8364, "\xC2\xDE"},  // ヅ → ﾂﾞ
    {0x8365, "\xC3"},      // テ → ﾃ
    {0x8366, "\xC3\xDE"},  // デ → ﾃﾞ
    {0x8367, "\xC4"},      // ト → ﾄ
    {0x8368, "\xC4\xDE"},  // ド → ﾄﾞ
    {0x8369, "\xC5"},      // ナ → ﾅ
    {0x836A, "\xC6"},      // ニ → ﾆ
    {0x836B, "\xC7"},      // ヌ → ﾇ
    {0x836C, "\xC8"},      // ネ → ﾈ
    {0x836D, "\xC9"},      // ノ → ﾉ
    {0x836E, "\xCA"},      // ハ → ﾊ
    {0x836F, "\xCA\xDE"},  // バ → ﾊﾞ
    {0x8370, "\xCA\xDF"},  // パ → ﾊﾟ
    {0x8371, "\xCB"},      // ヒ → ﾋ
    {0x8372, "\xCB\xDE"},  // ビ → ﾋﾞ
    {0x8373, "\xCB\xDF"},  // ピ → ﾋﾟ
    {0x8374, "\xCC"},      // フ → ﾌ
    {0x8375, "\xCC\xDE"},  // ブ → ﾌﾞ
    {0x8376, "\xCC\xDF"},  // プ → ﾌﾟ
    {0x8377, "\xCD"},      // ヘ → ﾍ
    {0x8378, "\xCD\xDE"},  // ベ → ﾍﾞ
    {0x8379, "\xCD\xDF"},  // ペ → ﾍﾟ
    {0x837A, "\xCE"},      // ホ → ﾎ
    {0x837B, "\xCE\xDE"},  // ボ → ﾎﾞ
    {0x837C, "\xCE\xDF"},  // ポ → ﾎﾟ
    {0x837D, "\xCF"},      // マ → ﾏ
    {0x837E, "\xD0"},      // ミ → ﾐ
    {0x8380, "\xD1"},      // ム → ﾑ
    {0x8381, "\xD2"},      // メ → ﾒ
    {0x8382, "\xD3"},      // モ → ﾓ
    {0x8383, "\xAC"},      // ャ → ｬ
    {0x8384, "\xD4"},      // ヤ → ﾔ
    {0x8385, "\xAD"},      // ュ → ｭ
    {0x8386, "\xD5"},      // ユ → ﾕ
    {0x8387, "\xAE"},      // ョ → ｮ
    {0x8388, "\xD6"},      // ヨ → ﾖ
    {0x8389, "\xD7"},      // ラ → ﾗ
    {0x838A, "\xD8"},      // リ → ﾘ
    {0x838B, "\xD9"},      // ル → ﾙ
    {0x838C, "\xDA"},      // レ → ﾚ
    {0x838D, "\xDB"},      // ロ → ﾛ
    {0x838F, "\xDC"},      // ワ → ﾜ
    {0x8392, "\xA6"},      // ヲ → ｦ
    {0x8393, "\xDD"},      // ン → ﾝ
    {0x8394, "\xB3\xDE"},  // ヴ → ｳﾞ
    {0xEEFB, "'"},         // ＇ → '
    {0xEEFC, "\""},        // ＂ → "
    {0xFA56, "'"},         // ＇ → '
    {0xFA57, "\""},        // ＂ → "
}};

}  // namespace

std::string_view HalfWidthOf(unsigned code) {
  const auto row = std::lower_bound(kHalfWidthTable.begin(), kHalfWidthTable.end(), code,
                                    [](const HalfWidthRow& r, unsigned c) { return r.code < c; });
  if (row == kHalfWidthTable.end() || row->code != code) return {};
  return row->half;
}

std::string ToHalfWidth(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = sjis::CharLengthAt(text, pos);
    std::string_view half;
    if (length == 2) {
      const auto lead = static_cast<unsigned char>(text[pos]);
      const auto trail = static_cast<unsigned char>(text[pos + 1]);
      half = HalfWidthOf(lead * 256u + trail);
    }
    result.append(half.empty() ? text.substr(pos, length) : half);
    pos += length;
  }
  return result;
}

}  // namespace ruvo
