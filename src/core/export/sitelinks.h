#pragma once
// The Halvorn site's addresses outside the folder tree of its readout pages.
namespace sitelinks {

constexpr const char* Armory = "https://armory.halvorn.example/designs/";
constexpr const char* Home = "https://www.halvorn.example/";
constexpr const char* CorvelMail = "mailto:corvel@halvorn.example";
constexpr const char* OstrelMail = "mailto:ostrel@halvorn.example";

}  // namespace sitelinks
