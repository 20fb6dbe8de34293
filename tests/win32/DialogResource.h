#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A DLGTEMPLATEEX read back into plain fields, so a test can compare what the resource
// compiler (or the in-memory builder) wrote with the template data in res/.
namespace wintest {

struct DialogItem {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string windowClass;       // the predefined classes' numbers read as their names
    std::string text;              // UTF-8
    std::optional<unsigned> textId;  // a resource number instead of a text (icons)
};

struct DialogResource {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int pointSize = 0;
    int weight = 0;
    int charset = 0;
    std::string face;
    std::vector<DialogItem> items;
};

// Nothing when the bytes are not a well-formed extended dialog template.
std::optional<DialogResource> ReadDialogResource(std::span<const std::uint8_t> bytes);

}  // namespace wintest
