#!/usr/bin/env python3
"""Writes the device pictures of the device pages, the layouts of their key and light buttons and
the mouse pages.

The mouse (one picture for the T4 family) and the keyboard are drawn from the tables below as
SVG files in resources/skin/device/, together with the images a button shows over the picture
(the shape of a mouse button under the pointer, the glow of a light). The same tables place the
buttons: XML/DeviceXml/parts/mouse_picture.xml and keyboard_picture.xml hold the selection panel
with one "DeviceKeyButton" per key ("key_N") or light (user data "light_N").

Each mouse model's page (XML/DeviceXml/mousedevice_<model>.xml) is written from the template
scripts/device_pages/mouse_page.xml: option groups belong to the whole window, so every page
needs groups of its own, named after its model.

The skin names the pictures as PNG: render them with svg_to_png (built from svg_to_png.cpp
beside this script):
    python3 scripts/make_device_pages.py
    svg_to_png resources/skin/device/*.svg

Pictures are drawn at twice their size on the page so that they stay sharp at 150 %."""

import math
import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "skin")
PICTURES = "device"  # below ROOT
PARTS = os.path.join("XML", "DeviceXml", "parts")
OVERSAMPLE = 2
# The mouse picture is shown at this share of its drawn size, so that the column beside the
# sections holds the model's name, the picture and the profile control.
MOUSE_PAGE_SCALE = 0.78

ACCENT = "#E23B4E"

# --- Mouse (T4 family) ------------------------------------------------------------------------

MOUSE_W, MOUSE_H = 300, 430
MID = MOUSE_W / 2

# The left half of the outline, from the front centre round to the rear centre; the right half
# is its mirror image.
MOUSE_LEFT_OUTLINE = [(150, 16), (118, 18), (94, 27), (79, 46), (71, 76), (68, 115), (70, 160),
                      (73, 205), (71, 245), (66, 285), (63, 325), (65, 362), (77, 392), (101, 410),
                      (129, 417), (150, 418)]

CHANNEL = (137, 44, 163, 154)  # the groove of the wheel and the DPI buttons
BUTTON_REAR_Y = 160            # where the main buttons end at the body's edge

# Side buttons on the left edge: key, top, bottom.
SIDE_BUTTONS = [(10, 66, 98), (9, 112, 138), (0, 150, 190), (4, 196, 236)]
# Buttons on top: key, rectangle, corner radius.
TOP_BUTTONS = [(2, (141, 54, 159, 104), 8), (5, (142, 112, 158, 126), 4), (6, (142, 130, 158, 144), 4),
               (7, (140, 180, 160, 196), 8), (8, (143, 204, 157, 216), 6)]
# The lights: 0-6 down the left side from the front, 13-7 down the right side, 14 the logo.
STRIP_TOP, STRIP_PITCH, STRIP_LENGTH = 244, 22, 16
LOGO = [(136, 290), (150, 312), (164, 290)]
LOGO_BOX = (128, 282, 172, 320)


CURVE_STEPS = 10  # polyline points per outline point


def catmull_rom(points, steps=CURVE_STEPS):
    """A closed smooth curve through the points, as a polyline."""
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * t
                                    + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                                    + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3) for k in (0, 1)))
    return out


def mirror(points):
    return [(MOUSE_W - x, y) for x, y in points]


OUTLINE = catmull_rom(MOUSE_LEFT_OUTLINE + list(reversed(mirror(MOUSE_LEFT_OUTLINE[1:-1]))))
LEFT_EDGE = OUTLINE[:(len(MOUSE_LEFT_OUTLINE) - 1) * CURVE_STEPS + 1]  # front to rear centre


def edge_x(y):
    """x of the left edge of the body at height y."""
    for (x0, y0), (x1, y1) in zip(LEFT_EDGE, LEFT_EDGE[1:]):
        if y0 <= y <= y1 and y1 > y0:
            return x0 + (x1 - x0) * (y - y0) / (y1 - y0)
    return LEFT_EDGE[-1][0]


def quad(p0, c, p1, steps=12):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * c[0] + t * t * p1[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * c[1] + t * t * p1[1])
            for t in (i / steps for i in range(1, steps + 1))]


def left_button():
    x0, y0, x1, _ = CHANNEL
    r = (x1 - x0) / 2
    front = [p for p in LEFT_EDGE if p[1] < BUTTON_REAR_Y]
    corner = (edge_x(BUTTON_REAR_Y), BUTTON_REAR_Y)
    rear = quad(corner, (112, BUTTON_REAR_Y + 8), (x0, CHANNEL[3]))
    arc = [(MID - r * math.cos(a), y0 + r - r * math.sin(a))
           for a in (i * math.pi / 2 / 8 for i in range(9))]
    return front + [corner] + rear + arc


def path(points, closed=True):
    d = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points)
    return d + (" Z" if closed else "")


def rrect(rect, radius, attrs):
    x0, y0, x1, y1 = rect
    return (f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{radius}" {attrs}/>')


def side_rect(top, bottom):
    """The visible part of a side button (it sits against the edge, under the body)."""
    x = min(edge_x(top), edge_x(bottom), edge_x((top + bottom) / 2))
    return (round(x - 13), top, round(x), bottom)


def strip_rect(index):
    """Button rectangle of side light `index` (0-6 left, front to rear; 7-13 right, rear to front)."""
    row = index if index < 7 else 13 - index
    top = STRIP_TOP + row * STRIP_PITCH
    x = round(edge_x(top + STRIP_LENGTH / 2)) + 2
    left = (x, top - 2, x + 14, top + STRIP_LENGTH + 2)
    if index < 7:
        return left
    return (MOUSE_W - left[2], left[1], MOUSE_W - left[0], left[3])


def mouse_key_shapes():
    """Key number -> (button rectangle, SVG element of its shape in picture coordinates)."""
    shapes = {}
    # The main buttons' areas stop short of the side buttons.
    left_key_min_x = max(side_rect(top, bottom)[2] for _, top, bottom in SIDE_BUTTONS) + 1
    lb = left_button()
    top, bottom = math.floor(min(y for _, y in lb)), math.ceil(max(y for _, y in lb))
    shapes[1] = ((left_key_min_x, top, CHANNEL[0], bottom), f'<path d="{path(lb)}"')
    rb = mirror(lb)
    shapes[3] = ((MOUSE_W - CHANNEL[0], top, MOUSE_W - left_key_min_x, bottom), f'<path d="{path(rb)}"')
    for key, top, bottom in SIDE_BUTTONS:
        rect = side_rect(top, bottom)
        shapes[key] = (rect, rrect(rect, 6, "")[:-2])
    for key, rect, radius in TOP_BUTTONS:
        shapes[key] = (rect, rrect(rect, radius, "")[:-2])
    return shapes


def svg(width, height, body, view=None):
    vx, vy, vw, vh = view or (0, 0, width, height)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width * OVERSAMPLE}" '
            f'height="{height * OVERSAMPLE}" viewBox="{vx} {vy} {vw} {vh}">\n{body}\n</svg>\n')


def mouse_picture():
    parts = ['<defs>',
             '  <linearGradient id="body" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#2D313A"/><stop offset="1" stop-color="#1A1D22"/></linearGradient>',
             '  <linearGradient id="button" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#353A44"/><stop offset="1" stop-color="#272B32"/></linearGradient>',
             '  <linearGradient id="wheel" x1="0" y1="0" x2="1" y2="0">'
             '<stop offset="0" stop-color="#2A2E36"/><stop offset="0.5" stop-color="#4A505C"/>'
             '<stop offset="1" stop-color="#2A2E36"/></linearGradient>',
             '</defs>']
    shapes = mouse_key_shapes()
    # Side buttons first: the body covers their inner half.
    for key, top, bottom in SIDE_BUTTONS:
        x0, y0, x1, y1 = shapes[key][0]
        parts.append(rrect((x0, y0, x1 + 4, y1), 6, 'fill="#363B45" stroke="#4C525E" stroke-width="1.2"'))
    parts.append(f'<path d="{path(OUTLINE)}" fill="url(#body)" stroke="#424854" stroke-width="1.5"/>')
    for key in (1, 3):
        parts.append(shapes[key][1] + ' fill="url(#button)" stroke="#111317" stroke-width="1.6"/>')
    parts.append(rrect(CHANNEL, (CHANNEL[2] - CHANNEL[0]) / 2, 'fill="#111317"'))
    top = {key: (rect, radius) for key, rect, radius in TOP_BUTTONS}
    (wx0, wy0, wx1, wy1), wr = top[2]
    parts.append(rrect((wx0, wy0, wx1, wy1), wr, 'fill="url(#wheel)" stroke="#5A606C" stroke-width="1"'))
    for y in range(wy0 + 6, wy1 - 4, 5):
        parts.append(f'<path d="M{wx0 + 2},{y} H{wx1 - 2}" stroke="#23262D" stroke-width="1.4"/>')
    for key, glyph in ((5, "plus"), (6, "minus")):
        (x0, y0, x1, y1), r = top[key]
        parts.append(rrect((x0, y0, x1, y1), r, 'fill="#2F333C" stroke="#4A505C" stroke-width="1"'))
        cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
        bar = f'M{cx - 3.5},{cy} H{cx + 3.5}' + (f' M{cx},{cy - 3.5} V{cy + 3.5}' if glyph == "plus" else "")
        parts.append(f'<path d="{bar}" stroke="#9AA0AA" stroke-width="1.4" stroke-linecap="round"/>')
    for key in (7, 8):
        (x0, y0, x1, y1), r = top[key]
        parts.append(rrect((x0, y0, x1, y1), r, 'fill="#2F333C" stroke="#4A505C" stroke-width="1"'))
    (x0, y0, x1, y1), _ = top[7]
    parts.append(f'<circle cx="{(x0 + x1) / 2}" cy="{(y0 + y1) / 2}" r="2.2" fill="#9AA0AA"/>')
    # The fire key carries a mark of its own.
    x0, y0, x1, y1 = shapes[10][0]
    parts.append(f'<path d="M{(x0 + x1) / 2 - 1},{y0 + 10} V{y1 - 10}" stroke="{ACCENT}" '
                 'stroke-width="2" stroke-linecap="round"/>')
    # Unlit light diffusers and the logo.
    for index in range(14):
        x0, y0, x1, y1 = strip_rect(index)
        parts.append(rrect((x0 + 5, y0 + 2, x1 - 5, y1 - 2), 2, 'fill="#3A3F4A"'))
    parts.append(f'<path d="{path(LOGO, False)}" fill="none" stroke="#3F4550" stroke-width="4" '
                 'stroke-linecap="round" stroke-linejoin="round"/>')
    return svg(MOUSE_W, MOUSE_H, "\n".join(parts))


def hot_image(rect, shape):
    x0, y0, x1, y1 = rect
    body = (shape + f' fill="#FFFFFF" fill-opacity="0.14" stroke="{ACCENT}" stroke-width="1.6"/>')
    return svg(x1 - x0, y1 - y0, body, (x0, y0, x1 - x0, y1 - y0))


def strip_light():
    w, h = 14, STRIP_LENGTH + 4
    body = (rrect((0, 0, w, h), 5, 'fill="#FFFFFF" fill-opacity="0.16"') + "\n"
            + rrect((2.5, 1, w - 2.5, h - 1), 4, 'fill="#FFFFFF" fill-opacity="0.35"') + "\n"
            + rrect((5, 2, w - 5, h - 2), 2, 'fill="#FFFFFF"'))
    return svg(w, h, body)


def logo_light():
    x0, y0, x1, y1 = LOGO_BOX
    d = path(LOGO, False)
    body = "\n".join(f'<path d="{d}" fill="none" stroke="#FFFFFF" stroke-opacity="{o}" '
                     f'stroke-width="{w}" stroke-linecap="round" stroke-linejoin="round"/>'
                     for w, o in ((14, 0.12), (9, 0.3), (4, 1)))
    return svg(x1 - x0, y1 - y0, body, (x0, y0, x1 - x0, y1 - y0))


def button(name, userdata, rect, hot=None, light=None, hidden=False, extra=""):
    attrs = []
    if name:
        attrs.append(f'name="{name}"')
    if userdata:
        attrs.append(f'userdata="{userdata}"')
    x0, y0, x1, y1 = (round(v) for v in rect)
    attrs.append(f'float="true" pos="{x0},{y0},{x1},{y1}"')
    if hot:
        attrs.append(f'hotimage="{hot}"')
    if light:
        attrs.append(f'lightimage="{light}"')
    if hidden:
        attrs.append('visible="false"')
    if extra:
        attrs.append(extra)
    return "<DeviceKeyButton " + " ".join(attrs) + "/>"


def on_page(rect):
    """A rectangle of the mouse picture as the page shows it."""
    return tuple(v * MOUSE_PAGE_SCALE for v in rect)


def mouse_panel():
    shapes = mouse_key_shapes()
    lines = []
    for key in range(11):
        rect, _ = shapes[key]
        lines.append(button(f"key_{key}", None, on_page(rect),
                            hot=f"{PICTURES}/mouse_t4_key_{key}_hot.png"))
    for light in range(14):
        lines.append(button(None, f"light_{light}", on_page(strip_rect(light)),
                            light=f"{PICTURES}/mouse_t4_light_side.png"))
    logo = f"{PICTURES}/mouse_t4_light_logo.png"
    lines.append(button(None, "light_14", on_page(LOGO_BOX), light=logo))
    # The logo's own preview light, for a model whose logo is not one of its lights; this
    # family's logo is light_14, so it stays hidden and lets the pointer through.
    lines.append(button("mouse_logo_light", None, on_page(LOGO_BOX), light=logo, hidden=True,
                        extra='mouse="false"'))
    return lines


MOUSE_LAYOUT = """<?xml version="1.0" encoding="utf-8"?>
<!-- Written by scripts/make_device_pages.py: do not edit, run the script.
     The mouse picture of the T4 family pages, in the key tab of the page's link (item 1 for a
     mouse on its cable or its own receiver; items 0 and 2 stay empty). The buttons lie on the
     picture: key_0 forward, key_1 left, key_2 wheel, key_3 right, key_4 back, key_5 DPI up,
     key_6 DPI down, key_7 DPI cycle, key_8 and key_9 the extra buttons, key_10 the fire key;
     the lights light_0-6 run down the left side, light_13-7 down the right side, light_14 is
     the logo. "mouse_logo_light" is the logo's own preview light, hidden: the logo is light_14.
     The picture is drawn at {scale} % of its size. -->
<TabLayout name="device_key_function_switch" width="{w}" height="{h}" selectedid="1">
  <Control name="device_key_function_0"/>
  <SelectPanel name="mouse_device_key_light" width="{w}" height="{h}" bkimage="{picture}">
{buttons}
  </SelectPanel>
  <Control name="device_key_function_2"/>
</TabLayout>
"""

# --- Keyboard ------------------------------------------------------------------------------------

UNIT = 36        # one key unit on the page
KEY_GAP = 2      # between a key's cap and its unit square, each side
CASE_PAD = 10    # around the keys

# The keys the picture shows: logical key number, legend, x and y in units, width and height.
# The numbers are the keyboard's logical keys (its factory key order, row by row); logical
# keys the drawn layout does not have (international keys, empty positions and 126-169) keep
# a hidden button, so every key and light of the page has its control.
KEYBOARD_KEYS = []


def _row(y, x, entries):
    for entry in entries:
        number, legend, width = entry[0], entry[1], entry[2] if len(entry) > 2 else 1
        if number is not None:
            KEYBOARD_KEYS.append((number, legend, x, y, width, 1))
        x += width


def _layout():
    m = 1.25  # the main block starts after the macro column
    _row(0, m, [(0, "Esc"), (None, "", 1)] + [(i, f"F{i}") for i in range(1, 5)] + [(None, "", 0.5)]
         + [(i, f"F{i}") for i in range(5, 9)] + [(None, "", 0.5)] + [(i, f"F{i}") for i in range(9, 13)])
    _row(0, 16.5, [(13, "PrtSc"), (14, "ScrLk"), (15, "Pause")])
    _row(0, 19.75, [(16, "GM"), (17, "LED")])
    _row(1.25, m, [(21, "`")] + [(22 + i, str((i + 1) % 10)) for i in range(10)]
         + [(32, "-"), (33, "="), (34, "Backspace", 2)])
    _row(1.25, 16.5, [(35, "Ins"), (36, "Home"), (37, "PgUp")])
    _row(1.25, 19.75, [(38, "Num"), (39, "/"), (40, "*"), (41, "-")])
    _row(2.25, m, [(42, "Tab", 1.5)] + [(43 + i, c) for i, c in enumerate("QWERTYUIOP")]
         + [(53, "["), (54, "]"), (55, "\\", 1.5)])
    _row(2.25, 16.5, [(56, "Del"), (57, "End"), (58, "PgDn")])
    _row(2.25, 19.75, [(59, "7"), (60, "8"), (61, "9")])
    _row(3.25, m, [(63, "Caps", 1.75)] + [(64 + i, c) for i, c in enumerate("ASDFGHJKL")]
         + [(73, ";"), (74, "'"), (75, "Enter", 2.25)])
    _row(3.25, 19.75, [(76, "4"), (77, "5"), (78, "6")])
    _row(4.25, m, [(84, "Shift", 2.25)] + [(85 + i, c) for i, c in enumerate("ZXCVBNM")]
         + [(92, ","), (93, "."), (94, "/"), (95, "Shift", 2.75)])
    _row(4.25, 17.5, [(96, "\u2191")])
    _row(4.25, 19.75, [(97, "1"), (98, "2"), (99, "3")])
    _row(5.25, m, [(105, "Ctrl", 1.25), (106, "Win", 1.25), (107, "Alt", 1.25), (108, "", 5),
                   (109, "Alt", 1.25), (125, "Win", 1.25), (110, "Fn", 1.25), (111, "Menu", 1.25),
                   (112, "Ctrl", 1.25)])
    _row(5.25, 16.5, [(113, "\u2190"), (114, "\u2193"), (115, "\u2192")])
    _row(5.25, 19.75, [(116, "0", 2), (117, ".")])
    KEYBOARD_KEYS.append((119, "+", 22.75, 2.25, 1, 2))
    KEYBOARD_KEYS.append((118, "Enter", 22.75, 4.25, 1, 2))
    for i in range(5):
        KEYBOARD_KEYS.append((120 + i, f"M{i + 1}", 0, 1.25 + i, 1, 1))


_layout()
KEYBOARD_KEY_COUNT = 170
KEYBOARD_UNITS_W, KEYBOARD_UNITS_H = 23.75, 6.25
KEYBOARD_W = round(KEYBOARD_UNITS_W * UNIT + 2 * CASE_PAD)
KEYBOARD_H = round(KEYBOARD_UNITS_H * UNIT + 2 * CASE_PAD)


def key_rect(x, y, w, h):
    return (CASE_PAD + x * UNIT + KEY_GAP, CASE_PAD + y * UNIT + KEY_GAP,
            CASE_PAD + (x + w) * UNIT - KEY_GAP, CASE_PAD + (y + h) * UNIT - KEY_GAP)


def key_size(rect):
    return round(rect[2] - rect[0]), round(rect[3] - rect[1])


def keyboard_picture():
    parts = ['<defs><linearGradient id="cap" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#30343D"/><stop offset="1" stop-color="#252930"/>'
             '</linearGradient></defs>',
             rrect((0.75, 0.75, KEYBOARD_W - 0.75, KEYBOARD_H - 0.75), 10,
                   'fill="#1A1D22" stroke="#2E333C" stroke-width="1.5"')]
    for number, legend, x, y, w, h in KEYBOARD_KEYS:
        rect = key_rect(x, y, w, h)
        parts.append(rrect(rect, 4, 'fill="url(#cap)" stroke="#3A3F4A" stroke-width="1"'))
        if number == 17:  # the light key: a lamp instead of letters
            cx, cy = (rect[0] + rect[2]) / 2, (rect[1] + rect[3]) / 2
            rays = " ".join(f"M{cx + 5 * math.cos(a):.2f},{cy + 5 * math.sin(a):.2f} "
                            f"L{cx + 8 * math.cos(a):.2f},{cy + 8 * math.sin(a):.2f}"
                            for a in (i * math.pi / 4 for i in range(8)))
            parts.append(f'<circle cx="{cx}" cy="{cy}" r="3" fill="#C9CDD4"/>'
                         f'<path d="{rays}" stroke="#C9CDD4" stroke-width="1.2" stroke-linecap="round"/>')
        elif legend:
            size = 9 if len(legend) > 3 else (10 if len(legend) > 1 else 12)
            text = legend.replace("&", "&amp;").replace("<", "&lt;")
            parts.append(f'<text x="{(rect[0] + rect[2]) / 2:.1f}" y="{(rect[1] + rect[3]) / 2 + size * 0.36:.1f}" '
                         f'font-family="DejaVu Sans" font-size="{size}" fill="#C9CDD4" '
                         f'text-anchor="middle">{text}</text>')
    return svg(KEYBOARD_W, KEYBOARD_H, "\n".join(parts))


def key_light(width, height):
    body = (rrect((1, 1, width - 1, height - 1), 4,
                  'fill="#FFFFFF" fill-opacity="0.18" stroke="#FFFFFF" stroke-width="2"'))
    return svg(width, height, body)


def keyboard_panel():
    placed = {number: (x, y, w, h) for number, _, x, y, w, h in KEYBOARD_KEYS}
    lines = []
    for number in range(KEYBOARD_KEY_COUNT):
        if number in placed:
            rect = key_rect(*placed[number])
            w, h = key_size(rect)
            lines.append(button(f"key_{number}", f"light_{number}", rect,
                                light=f"{PICTURES}/keyboard_light_{w}x{h}.png",
                                extra='hotbkcolor="#26FFFFFF" borderround="4"'))
        else:
            lines.append(button(f"key_{number}", f"light_{number}", (0, 0, 0, 0), hidden=True))
    return lines


KEYBOARD_LAYOUT = """<?xml version="1.0" encoding="utf-8"?>
<!-- Written by scripts/make_device_pages.py: do not edit, run the script.
     The keyboard picture, in the key tab of the page's link (item 0). Every key button is
     named by the keyboard's logical key number and lights the light of the same number; the
     logical keys the drawn layout does not have keep a hidden button. -->
<TabLayout name="device_key_function_switch" width="{w}" height="{h}">
  <SelectPanel name="device_key_light" width="{w}" height="{h}" bkimage="{picture}">
{buttons}
  </SelectPanel>
  <Control name="device_key_function_1"/>
  <Control name="device_key_function_2"/>
</TabLayout>
"""

# --- Mouse pages ---------------------------------------------------------------------------------

TEMPLATE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "device_pages", "mouse_page.xml")
# Model (as in the page's file name and language key) and catalogue display name.
MOUSE_MODELS = [("T4", "VORN-T4"), ("T4Pro", "VORN-T4Pro"), ("T4Ultra", "VORN-T4Ultra"),
                ("T4Max", "VORN-T4Max")]


def mouse_page(model, display_name):
    with open(TEMPLATE, encoding="utf-8") as f:
        text = f.read()
    written = ("Written by scripts/make_device_pages.py from scripts/device_pages/mouse_page.xml: "
               "do not\n     edit, run the script.")
    return (text.replace("{written}", written).replace("{model}", model)
            .replace("{display_name}", display_name))


# --- Output ---------------------------------------------------------------------------------------


def write(relative, text):
    full = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w", encoding="utf-8") as f:
        f.write(text)
    print(os.path.relpath(full))


def layout(template, picture, width, height, lines):
    return (template.replace("{w}", str(width)).replace("{h}", str(height))
            .replace("{picture}", picture)
            .replace("{buttons}", "\n".join("    " + line for line in lines)))


def main():
    write(os.path.join(PICTURES, "mouse_t4.svg"), mouse_picture())
    for key, (rect, shape) in mouse_key_shapes().items():
        write(os.path.join(PICTURES, f"mouse_t4_key_{key}_hot.svg"), hot_image(rect, shape))
    write(os.path.join(PICTURES, "mouse_t4_light_side.svg"), strip_light())
    write(os.path.join(PICTURES, "mouse_t4_light_logo.svg"), logo_light())
    write(os.path.join(PARTS, "mouse_picture.xml"),
          layout(MOUSE_LAYOUT.replace("{scale}", str(round(MOUSE_PAGE_SCALE * 100))),
                 f"{PICTURES}/mouse_t4.png", round(MOUSE_W * MOUSE_PAGE_SCALE),
                 round(MOUSE_H * MOUSE_PAGE_SCALE), mouse_panel()))

    for model, display_name in MOUSE_MODELS:
        write(os.path.join("XML", "DeviceXml", f"mousedevice_{model}.xml"), mouse_page(model, display_name))

    write(os.path.join(PICTURES, "keyboard.svg"), keyboard_picture())
    sizes = sorted({key_size(key_rect(x, y, w, h)) for _, _, x, y, w, h in KEYBOARD_KEYS})
    for w, h in sizes:
        write(os.path.join(PICTURES, f"keyboard_light_{w}x{h}.svg"), key_light(w, h))
    write(os.path.join(PARTS, "keyboard_picture.xml"),
          layout(KEYBOARD_LAYOUT, f"{PICTURES}/keyboard.png", KEYBOARD_W, KEYBOARD_H, keyboard_panel()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
