#include "ui/framework/drawing/DrawInfo.h"

#include <pugixml.hpp>

#include <cctype>
#include <fstream>
#include <vector>

#include "platform/text/Text.h"

namespace vorn::ui {
namespace {

uint32_t be32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
uint16_t be16(const unsigned char* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}
uint16_t le16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t le32(const unsigned char* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool readJpegSize(std::ifstream& in, int& width, int& height) {
    in.seekg(2);
    unsigned char h[9];
    while (in.read(reinterpret_cast<char*>(h), 4)) {
        if (h[0] != 0xFF) {
            return false;
        }
        int marker = h[1];
        int len = be16(h + 2);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            if (!in.read(reinterpret_cast<char*>(h), 5)) {
                return false;
            }
            height = be16(h + 1);
            width = be16(h + 3);
            return true;
        }
        in.seekg(len - 2, std::ios::cur);
    }
    return false;
}

// SVG lengths such as "24", "24px" or "24.5"; 0 when absent.
int svgLength(const char* text) {
    return static_cast<int>(std::strtod(text != nullptr ? text : "0", nullptr) + 0.5);
}

bool readSvgSize(const std::string& path, int& width, int& height) {
    pugi::xml_document doc;
    if (!doc.load_file(path.c_str())) {
        return false;
    }
    pugi::xml_node svg = doc.child("svg");
    if (!svg) {
        return false;
    }
    width = svgLength(svg.attribute("width").value());
    height = svgLength(svg.attribute("height").value());
    if (width <= 0 || height <= 0) {
        std::vector<double> box;
        std::string vb = svg.attribute("viewBox").value();
        for (char& c : vb) {
            if (c == ',') {
                c = ' ';
            }
        }
        const char* p = vb.c_str();
        char* end = nullptr;
        for (int i = 0; i < 4; ++i) {
            double v = std::strtod(p, &end);
            if (end == p) {
                break;
            }
            box.push_back(v);
            p = end;
        }
        if (box.size() != 4) {
            return false;
        }
        width = static_cast<int>(box[2] + 0.5);
        height = static_cast<int>(box[3] + 0.5);
    }
    return width > 0 && height > 0;
}

}  // namespace

TDrawInfo TDrawInfo::Parse(std::string_view drawString) {
    TDrawInfo info;
    info.sDrawString = std::string(drawString);
    std::string trimmed = platform::trimSpace(drawString);
    if (trimmed.find('=') == std::string::npos) {
        info.sImageName = trimmed;
        return info;
    }
    for (const auto& [key, value] : parseAttributeList(trimmed)) {
        if (key == "file" || key == "res") {
            info.sImageName = value;
        } else if (key == "restype") {
            info.sResType = value;
        } else if (key == "dest") {
            info.rcDest = parseRect(value);
        } else if (key == "source") {
            info.rcSource = parseRect(value);
        } else if (key == "corner") {
            info.rcCorner = parseRect(value);
        } else if (key == "mask") {
            std::string m = value;
            if (!m.empty() && m[0] != '#') {
                m = "0x" + m;
            }
            info.dwMask = parseColor(m);
        } else if (key == "fade") {
            int f = parseInt(value, 255);
            info.uFade = static_cast<uint8_t>(f < 0 ? 0 : (f > 255 ? 255 : f));
        } else if (key == "hole") {
            info.bHole = parseBool(value);
        } else if (key == "xtiled") {
            info.bTiledX = parseBool(value);
        } else if (key == "ytiled") {
            info.bTiledY = parseBool(value);
        } else if (key == "hsl") {
            info.bHSL = parseBool(value);
        }
    }
    return info;
}

bool readImageSize(const std::string& path, int& width, int& height) {
    width = 0;
    height = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    unsigned char h[32] = {};
    in.read(reinterpret_cast<char*>(h), sizeof h);
    std::streamsize got = in.gcount();
    in.clear();
    if (got >= 24 && h[0] == 0x89 && h[1] == 'P' && h[2] == 'N' && h[3] == 'G') {
        width = static_cast<int>(be32(h + 16));
        height = static_cast<int>(be32(h + 20));
        return width > 0 && height > 0;
    }
    if (got >= 4 && h[0] == 0xFF && h[1] == 0xD8) {
        return readJpegSize(in, width, height);
    }
    if (got >= 26 && h[0] == 'B' && h[1] == 'M') {
        width = static_cast<int>(le32(h + 18));
        int32_t hh = static_cast<int32_t>(le32(h + 22));
        height = hh < 0 ? -hh : hh;
        return width > 0 && height > 0;
    }
    if (got >= 10 && h[0] == 'G' && h[1] == 'I' && h[2] == 'F') {
        width = le16(h + 6);
        height = le16(h + 8);
        return width > 0 && height > 0;
    }
    return readSvgSize(path, width, height);
}

}  // namespace vorn::ui
