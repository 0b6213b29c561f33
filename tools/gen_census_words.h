#pragma once
// Word lists of the census generator: given names, surnames, streets and polling places.
// Every entry is plain text written in capitals; the accented set holds Windows-1252 letters.

#include <span>
#include <string_view>

namespace gencensus {

std::span<const std::string_view> MaleNames();
std::span<const std::string_view> FemaleNames();
std::span<const std::string_view> Surnames();
std::span<const std::string_view> ForeignMaleNames();
std::span<const std::string_view> ForeignFemaleNames();
std::span<const std::string_view> ForeignSurnames();
// Nationalities most often found among foreign residents; looked up in the country list.
std::span<const std::string_view> CommonNationalities();
std::span<const std::string_view> StreetTypes();
std::span<const std::string_view> StreetNames();
std::span<const std::string_view> PlaceKinds();
std::span<const std::string_view> Doors();

// Names and addresses holding accented letters (UTF-8 here, written as Windows-1252).
std::span<const std::string_view> AccentedMaleNames();
std::span<const std::string_view> AccentedFemaleNames();
std::span<const std::string_view> AccentedSurnames();
std::span<const std::string_view> AccentedStreets();

} // namespace gencensus
