#pragma once
// The text of a private INI file, read and rewritten as the Windows private-profile functions do:
// names match case-insensitively, blanks around names and values do not count, ';' starts a
// comment line, the first duplicate wins, and a rewrite touches one line and keeps every other
// byte. No file access here, so that tests and fuzzers can drive the rules directly.

#include <optional>
#include <string>
#include <string_view>

class CProfileText {
public:
    explicit CProfileText(std::string text = {});

    const std::string& Text() const { return m_text; }

    // The key's value without surrounding blanks and without one matching pair of outer quotes;
    // nothing when the section or the key is absent.
    std::optional<std::string> GetValue(std::string_view section, std::string_view key) const;

    // Stores the value exactly as given: an existing key is rewritten where it stands, a new key
    // goes after the last key line of its section, a new section goes to the end. Refused, with
    // the text unchanged, when a line break in a name or the value (or '=' in the key, ']' in the
    // section) would make the file read back differently.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // A value as the Windows integer function reads it: the leading decimal number, with an
    // optional sign, modulo 2^32; 0 when the text does not start with a number; the default
    // when the text is empty.
    static int ToInt(std::string_view value, int nDefault);

private:
    std::string m_text;
};
