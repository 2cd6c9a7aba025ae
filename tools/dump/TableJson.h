#pragma once
// The fields `tamblin-dump doc` adds to a table section: its column and row sizes, placement,
// rows with their cells (fillers have colSpan 0) and the caption.

#include <functional>

#include "tools/Json.h"

class TCell;
class ThtmlTable;

// sections gives the JSON list of a cell's sections, numbered with the rest of the document.
void AddTableFields(TJson& json, const ThtmlTable& table,
                    const std::function<TJson(const TCell&)>& sections);
