#pragma once
#include "controls/grid.h"

#include <optional>
#include <string>
#include <string_view>

namespace pesavia {

// The whole grid as a grid data file's bytes, and those bytes applied to a grid.
std::string EncodeGrille(const Grid& grid);
// Replaces the grid's content; on an error (Error with the stream's French message) the grid is left as
// far as the reading got.
void DecodeGrille(Grid& grid, std::string_view bytes);

// Writes the grid to `path` in one atomic write; throws Error("Impossible de créer le fichier \"…\". …").
void SauveGrille(const Grid& grid, const std::string& path);
// Replaces the grid's content by the file's; throws Error when the file cannot be read or is damaged.
void ChargeGrille(Grid& grid, const std::string& path);

// The identifiers the files use for colours and alignments.
std::optional<std::string_view> ColorName(GridColor color); // nothing for a colour without a name
std::optional<GridColor> ColorFromName(std::string_view name);
std::string_view AlignmentName(Alignment alignment);
std::optional<Alignment> AlignmentFromName(std::string_view name);

} // namespace pesavia
