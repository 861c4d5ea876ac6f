#pragma once
// Typed reading and writing of option keys: booleans as "1"/"0", integers in decimal
// (read also as "0x" or "$" hexadecimal); a value that does not parse keeps the field.
#include <string>

namespace pv {

class IniDocument;

void ReadOptionBool(const IniDocument& doc, const char* section, const char* key, bool& field);
void ReadOptionInt(const IniDocument& doc, const char* section, const char* key, int& field);
void ReadOptionText(const IniDocument& doc, const char* section, const char* key, std::string& field);
void WriteOptionBool(IniDocument& doc, const char* section, const char* key, bool value);
void WriteOptionInt(IniDocument& doc, const char* section, const char* key, int value);

}  // namespace pv
