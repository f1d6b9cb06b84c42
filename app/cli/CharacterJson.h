// The command-line tool's JSON views of a loaded character and of a settings
// list. Data texts are Windows-1252 and come out as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

class CNamedValueList;
class CQuillmarDoc;

using OrderedJson = nlohmann::ordered_json;

// version: the file's layout version; messages: the texts the load showed.
OrderedJson CharacterToJson(const CQuillmarDoc& doc, std::uint32_t version, const std::vector<std::string>& messages);
// The pairs in their order, as an object.
OrderedJson NamedValuesToJson(const CNamedValueList& list);
