#pragma once
// The window description: the stored, ordered tree of a window's properties and controls.
//
// Text form (UTF-8), one object per block, children after the properties:
//
//   object FrmConnexionORLIX: TFrmConnexionORLIX
//     Caption = 'Connexion au Serveur ORLIX'
//     ClientWidth = 599
//     Font.Style = []
//     OnShow = FormShow
//     object msrdp: TMsRdpClient6NotSafeForScripting
//       ControlData = {
//         0003000008000200000000000B0000000B000000}
//     end
//   end
//
// Values: 32-bit integers; strings in single quotes ('' is a quote) joined with #n character
// codes and, across lines, with '+'; identifiers (enumerations, colours, True/False, handler
// names); sets of identifiers in brackets; binary values as hexadecimal digits in braces.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/exception.h"

struct DescValue {
    enum class Kind { Integer, String, Identifier, Set, Binary };

    Kind kind = Kind::Integer;
    int32_t integer = 0;
    std::string text;             // String (UTF-8) or Identifier
    std::vector<std::string> set; // Set members in stored order
    std::vector<uint8_t> bytes;   // Binary

    static DescValue Integer(int32_t v);
    static DescValue String(std::string s);
    static DescValue Identifier(std::string s);
    static DescValue Set(std::vector<std::string> members);
    static DescValue Binary(std::vector<uint8_t> data);

    friend bool operator==(const DescValue& a, const DescValue& b);
};

struct DescProperty {
    std::string name; // dotted for nested properties: "Font.Height"
    DescValue value;
    int line = 0; // where it was read, for error messages; 0 when built in code

    friend bool operator==(const DescProperty& a, const DescProperty& b) {
        return a.name == b.name && a.value == b.value;
    }
};

struct DescObject {
    std::string name;
    std::string className;
    std::vector<DescProperty> properties;
    std::vector<DescObject> children;
    int line = 0;

    const DescProperty* Find(std::string_view propertyName) const;
    // Replaces the value of a property, or appends the property when it is not there.
    void Set(std::string_view propertyName, DescValue value);

    friend bool operator==(const DescObject& a, const DescObject& b) {
        return a.name == b.name && a.className == b.className && a.properties == b.properties &&
               a.children == b.children;
    }
};

// Both forms refuse objects nested deeper than this below the root ("objects nested too deeply"):
// deeper nesting than any window has means the data is damaged, and the limit keeps the readers'
// recursion off the end of the stack.
constexpr int kMaxDescriptionDepth = 64;

// A description that cannot be read. The message names the line.
class EParserError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EParserError"; }
};

DescObject ReadDescription(std::string_view text);
std::string WriteDescription(const DescObject& root);

// Binary form, built into the program from the text form at build time: the same tree with
// binary values as bytes rather than hexadecimal text, and the text form's line numbers kept for
// error messages. Little-endian:
//
//   "ODB1"   then one object
//   object   line u32, name str, class str, property count u32, properties, child count u32, children
//   property line u32, name str, kind u8 (DescValue::Kind), value
//   value    Integer: i32; String, Identifier: str; Set: count u32, str each; Binary: bytes
//   str, bytes  length u32, then that many bytes
inline constexpr std::array<uint8_t, 4> kBinaryDescriptionMagic{'O', 'D', 'B', '1'};
std::vector<uint8_t> WriteBinaryDescription(const DescObject& root);
// Raises EParserError, naming the offset, for data that is cut short or malformed.
DescObject ReadBinaryDescription(const uint8_t* data, size_t size);
