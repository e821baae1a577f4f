#!/usr/bin/env python3
"""Writes the pictures of the device tiles, of the power panel, of the profile buttons and of the
mouse page's sliders as SVG files of the skin. The skin names the tile, power and slider pictures as PNG: render those
with svg_to_png (built from svg_to_png.cpp beside this script):
    python3 scripts/make_control_pictures.py
    svg_to_png resources/skin/common/device_ico/*.svg resources/skin/power/*.svg \
        resources/skin/control/*.svg"""

import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "skin")

GREY = "#8B919B"
WHITE = "#F2F3F5"
ACCENT = "#E23B4E"
GREEN = "#3FCF7A"
BLUE = "#4E9BE2"

# Device glyphs in a 40x40 box: stroke-drawn shapes in the colour {c}.
GLYPHS = {
    "kb": """<rect x="2" y="11" width="36" height="19" rx="3" fill="none" stroke="{c}" stroke-width="2"/>
  <g fill="{c}"><rect x="7" y="15" width="4" height="3" rx="0.8"/><rect x="13" y="15" width="4" height="3" rx="0.8"/>
  <rect x="19" y="15" width="4" height="3" rx="0.8"/><rect x="25" y="15" width="4" height="3" rx="0.8"/>
  <rect x="31" y="15" width="3" height="3" rx="0.8"/><rect x="7" y="20" width="4" height="3" rx="0.8"/>
  <rect x="13" y="20" width="4" height="3" rx="0.8"/><rect x="19" y="20" width="4" height="3" rx="0.8"/>
  <rect x="25" y="20" width="9" height="3" rx="0.8"/><rect x="11" y="25" width="18" height="2.5" rx="0.8"/></g>""",
    "ms": """<rect x="11" y="3" width="18" height="34" rx="9" fill="none" stroke="{c}" stroke-width="2"/>
  <path d="M20 3 V15 M11 15 H29" stroke="{c}" stroke-width="1.6" fill="none"/>
  <rect x="18.5" y="7" width="3" height="5" rx="1.5" fill="{c}"/>""",
    "hard_mp": """<rect x="2" y="9" width="36" height="24" rx="2" fill="none" stroke="{c}" stroke-width="2"/>
  <rect x="5" y="12" width="30" height="18" rx="1" fill="{c}" fill-opacity="0.18"/>
  <path d="M5 30 H35" stroke="{c}" stroke-width="2"/>""",
    "soft_mp": """<rect x="2" y="9" width="36" height="24" rx="7" fill="none" stroke="{c}" stroke-width="2"/>
  <path d="M7 22 q6.5 -6 13 0 t13 0" stroke="{c}" stroke-width="1.8" fill="none"/>""",
    "hd": """<path d="M8 24 V19 a12 12 0 0 1 24 0 V24" stroke="{c}" stroke-width="2.2" fill="none"/>
  <rect x="5" y="22" width="7" height="12" rx="3" fill="{c}"/><rect x="28" y="22" width="7" height="12" rx="3" fill="{c}"/>""",
    "hub": """<rect x="4" y="12" width="32" height="16" rx="3" fill="none" stroke="{c}" stroke-width="2"/>
  <g fill="{c}"><rect x="9" y="17.5" width="5" height="5" rx="1"/><rect x="17.5" y="17.5" width="5" height="5" rx="1"/>
  <rect x="26" y="17.5" width="5" height="5" rx="1"/></g><path d="M20 12 V5" stroke="{c}" stroke-width="2"/>""",
    "unknow": """<circle cx="20" cy="20" r="15" fill="none" stroke="{c}" stroke-width="2"/>
  <path d="M15.5 16 a4.5 4.5 0 1 1 6.5 4 c-1.4 0.8 -2 1.6 -2 3.2" stroke="{c}" stroke-width="2.2" fill="none" stroke-linecap="round"/>
  <circle cx="20" cy="28" r="1.5" fill="{c}"/>""",
}

# The link badge of a tile that takes part in synchronised lighting.
SYNCHRO_BADGE = """<g transform="translate(4,4)"><circle cx="8" cy="8" r="8" fill="{b}"/>
  <path d="M4.5 8 a3.5 3.5 0 0 1 6.2 -2.2 M11.5 8 a3.5 3.5 0 0 1 -6.2 2.2" stroke="#FFFFFF" stroke-width="1.5" fill="none" stroke-linecap="round"/>
  <path d="M10.9 3.6 V5.9 H8.6 M5.1 12.4 V10.1 H7.4" stroke="#FFFFFF" stroke-width="1.5" fill="none" stroke-linecap="round" stroke-linejoin="round"/></g>"""


def tile(kind, selected, synchro):
    colour = WHITE if selected else GREY
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="84" height="60" viewBox="0 0 84 60">',
             '  <g transform="translate(22,8)">' + GLYPHS[kind].format(c=colour) + "</g>"]
    if selected:
        parts.append(f'  <rect x="30" y="53" width="24" height="3" rx="1.5" fill="{ACCENT}"/>')
    if synchro:
        parts.append("  " + SYNCHRO_BADGE.format(b=ACCENT if selected else BLUE))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def icon(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">\n  '
            + body + "\n</svg>\n")


def battery(inner):
    return icon('<rect x="2" y="7" width="18" height="10" rx="2.5" fill="none" stroke="'
                + WHITE + '" stroke-width="1.6"/><rect x="20.5" y="10" width="2" height="4" rx="1" fill="'
                + WHITE + '"/>' + inner)


def phone(inner, colour=GREY):
    return icon(f'<rect x="6.5" y="2.5" width="11" height="19" rx="2.5" fill="none" stroke="{colour}" '
                f'stroke-width="1.6"/>' + inner)


WAVES = ('<path d="M4 10 a11 11 0 0 1 16 0 M7 13.2 a6.6 6.6 0 0 1 10 0" stroke="{c}" '
         'stroke-width="2" fill="none" stroke-linecap="round"/><circle cx="12" cy="17" r="2" fill="{c}"/>')

POWER = {
    "WIFI_normal": icon(WAVES.format(c=GREY)),
    "WIFI_down": icon(WAVES.format(c=ACCENT)),
    "power": battery(f'<rect x="4" y="9" width="14" height="6" rx="1" fill="{GREEN}"/>'),
    "powering": battery(f'<path d="M12.5 8 L8 12.6 H11 L9.6 16 L14.2 11.4 H11.2 Z" fill="{GREEN}"/>'),
    "light": icon(f'<circle cx="12" cy="12" r="7" fill="{GREEN}" fill-opacity="0.25"/>'
                  f'<circle cx="12" cy="12" r="3.5" fill="{GREEN}"/>'),
    "Phone_type_iphone": phone(f'<rect x="10" y="4.5" width="4" height="1.4" rx="0.7" fill="{WHITE}"/>'
                               f'<circle cx="12" cy="18.4" r="1.3" fill="none" stroke="{WHITE}" stroke-width="1"/>',
                               WHITE),
    "Phone_type_samsung": phone(f'<circle cx="12" cy="4.6" r="0.9" fill="{WHITE}"/>'
                                f'<path d="M9.5 19 H14.5" stroke="{WHITE}" stroke-width="1.2" stroke-linecap="round"/>',
                                WHITE),
    "Phone_type_other": phone(f'<path d="M10 9.5 a2 2 0 1 1 2.8 1.8 c-0.6 0.3 -0.8 0.7 -0.8 1.4" stroke="{WHITE}" '
                              f'stroke-width="1.4" fill="none" stroke-linecap="round"/><circle cx="12" cy="16" r="0.9" fill="{WHITE}"/>',
                              WHITE),
    "Phone_type_no_device": phone(f'<path d="M4 20 L20 4" stroke="{ACCENT}" stroke-width="1.8" stroke-linecap="round"/>'),
}

# The synchronisation box of a tile.
BOXES = {
    "synchro_box": icon(f'<rect x="3" y="3" width="18" height="18" rx="4" fill="#22252C" '
                        f'stroke="{GREY}" stroke-width="1.6"/>'),
    "synchro_box_checked": icon(f'<rect x="3" y="3" width="18" height="18" rx="4" fill="{ACCENT}"/>'
                                '<path d="M7.5 12.3 L10.6 15.2 L16.6 8.8" stroke="#FFFFFF" stroke-width="2.2" '
                                'fill="none" stroke-linecap="round" stroke-linejoin="round"/>'),
}

# The buttons of the profile control: glyphs in a 16x16 box, drawn light on the dark buttons.
LIGHT = "#C9CDD4"


def glyph(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">\n'
            f'  <g fill="none" stroke="{LIGHT}" stroke-width="1.5" stroke-linecap="round" '
            f'stroke-linejoin="round">{body}</g>\n</svg>\n')


TRAY = '<path d="M2.5 10.5 V13.5 H13.5 V10.5"/>'
PROFILE_BUTTONS = {
    "profile_menu": glyph(f'<circle cx="3.5" cy="8" r="0.6" fill="{LIGHT}"/>'
                          f'<circle cx="8" cy="8" r="0.6" fill="{LIGHT}"/>'
                          f'<circle cx="12.5" cy="8" r="0.6" fill="{LIGHT}"/>'),
    "profile_new": glyph('<path d="M8 2.5 V13.5 M2.5 8 H13.5"/>'),
    "profile_copy": glyph('<rect x="5.5" y="5.5" width="8" height="8" rx="1.5"/>'
                          '<path d="M3.5 10.5 H3 A0.5 0.5 0 0 1 2.5 10 V3 A0.5 0.5 0 0 1 3 2.5 H10 '
                          'A0.5 0.5 0 0 1 10.5 3 V3.5"/>'),
    "profile_delete": glyph('<path d="M2.5 4.5 H13.5 M6.5 4.5 V2.5 H9.5 V4.5 '
                            'M4 4.5 L4.8 13.5 H11.2 L12 4.5 M6.8 7 V11 M9.2 7 V11"/>'),
    "profile_import": glyph('<path d="M8 2 V9.5 M5 6.5 L8 9.5 L11 6.5"/>' + TRAY),
    "profile_export": glyph('<path d="M8 9.5 V2 M5 5 L8 2 L11 5"/>' + TRAY),
    "profile_reset": glyph('<path d="M12.8 8.5 A4.9 4.9 0 1 1 11.3 4.4"/>'
                           '<path d="M11.8 1.8 V4.9 H8.7"/>'),
}

# --- Sliders of the mouse page ------------------------------------------------------------------
# A slider that shows pictures paints them itself: the bar picture over the whole control, the
# fill picture over the part up to the value, the thumb over both. The bars are drawn for a
# control 20 px high and stretched to its width; the groove and the fill are the same 4 px band
# across the middle as the plain sliders of the pages, so both kinds look alike.
SLIDER_H = 20
# The width of the page's stepped sliders (report rate, sleep and debounce times), where the
# bars' stops lie: the thumb's centre moves over the control's width less one thumb. Bars are
# drawn at this width, so their stops stay round there; other sliders stretch them.
SLIDER_W = 537
BAND = (8, 12)          # top and bottom of the groove
GROOVE = "#2C3039"
STOP = "#5A606C"
THUMB = 16              # the thumb size the page gives its sliders
SLIDER_OVERSAMPLE = 2
THUMB_OVERSAMPLE = 3    # sharp at 150 %


def slider_svg(width, height, oversample, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width * oversample}" '
            f'height="{height * oversample}" viewBox="0 0 {width} {height}">\n  {body}\n</svg>\n')


def band(colour, round_right=True):
    """The groove (or the filled part) of a slider, with rounded ends; the filled part ends
    square under the thumb."""
    top, bottom = BAND
    r = (bottom - top) / 2
    if round_right:
        return (f'<rect x="0" y="{top}" width="{SLIDER_W}" height="{bottom - top}" rx="{r}" '
                f'fill="{colour}"/>')
    return (f'<path d="M{SLIDER_W},{top} H{r} A{r},{r} 0 0 0 {r},{bottom} H{SLIDER_W} Z" '
            f'fill="{colour}"/>')


def slider_bar(stops=0):
    """The bar of a slider; `stops` positions are marked with dots below the groove."""
    parts = [band(GROOVE)]
    for k in range(stops):
        x = THUMB / 2 + k * (SLIDER_W - THUMB) / (stops - 1)
        parts.append(f'<circle cx="{x:.2f}" cy="16.5" r="1.5" fill="{STOP}"/>')
    return slider_svg(SLIDER_W, SLIDER_H, SLIDER_OVERSAMPLE, "\n  ".join(parts))


def slider_fill():
    return slider_svg(SLIDER_W, SLIDER_H, SLIDER_OVERSAMPLE, band(ACCENT, round_right=False))


def slider_thumb(ring, face):
    c = THUMB / 2
    return slider_svg(THUMB, THUMB, THUMB_OVERSAMPLE,
                      f'<circle cx="{c}" cy="{c}" r="{c - 1.5}" fill="{face}" stroke="{ring}" '
                      'stroke-width="3"/>')


# Names as the mouse page sets them: the bar of a DPI stage and its fill, the 1K and 8K bars of
# the report rate with their fills, the thumb of the active stage (and of the page's other
# sliders) and of the other stages; the bar of the sleep and debounce times, six stops.
SLIDERS = {
    "SliderBar_BK1": slider_bar(),
    "SliderBar_BK1a": slider_fill(),
    "SliderBar_BK2": slider_bar(stops=4),
    "SliderBar_BK3": slider_fill(),
    "SliderBar_BK5": slider_bar(stops=5),
    "SliderBar_BK5a": slider_fill(),
    "SliderBar_BK6": slider_bar(stops=6),
    "SliderBar1_Thumb": slider_thumb(ACCENT, "#F4F5F7"),
    "SliderBar2_Thumb": slider_thumb("#6B717B", "#D5D8DE"),
}


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    print(os.path.relpath(path))


def main():
    for kind in GLYPHS:
        for selected in (False, True):
            for synchro in (False, True):
                name = f"{kind}_device_{'synchro_' if synchro else ''}{'selected' if selected else 'normal'}.svg"
                write(os.path.join(ROOT, "common", "device_ico", name), tile(kind, selected, synchro))
    for name, text in POWER.items():
        write(os.path.join(ROOT, "power", name + ".svg"), text)
    for name, text in BOXES.items():
        write(os.path.join(ROOT, "common", name + ".svg"), text)
    for name, text in PROFILE_BUTTONS.items():
        write(os.path.join(ROOT, "common", name + ".svg"), text)
    for name, text in SLIDERS.items():
        write(os.path.join(ROOT, "control", name + ".svg"), text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
