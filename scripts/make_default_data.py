#!/usr/bin/env python3
"""Writes the factory files of resources/DefaultData/: one default profile per model of the
catalogue, with a complete device entry at "Device"[0], and the light-mode list
"default_light.json".

The files are committed; run this script again only to change them. The text is the
styled form the program itself writes (three-space indentation, " : " after keys, sorted
keys, a blank line at the end); a test checks every file against it byte for byte.
"""

import json
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "DefaultData")


def code(kind, param1, param2):
    """A key assignment as the profile stores it."""
    return kind * 65536 + param1 * 256 + param2


# The eleven logical keys of a mouse take, in order, these factory codes: forward, left,
# middle, right, back, DPI up, DPI down, DPI cycle, polling-rate cycle, game mode, DPI
# shift. (A twelfth code, rapid fire, names a device slot no labelled key uses.)
MOUSE_KEY_CODES = [
    code(0x10, 0x10, 0), code(0x10, 0x01, 0), code(0x10, 0x04, 0), code(0x10, 0x02, 0),
    code(0x10, 0x08, 0), code(0x13, 1, 0), code(0x13, 2, 0), code(0x13, 3, 0),
    code(0x15, 3, 0), code(0xA0, 0x1B, 0), code(0x16, 144, 1),
]

# The keyboard's 126 positioned keys, row by row, as kind.parameter 1.parameter 2; keys
# 126-169 have no function of their own (20.00.00).
KEYBOARD_KEY_CODES_TEXT = """
20.00.29 20.00.3A 20.00.3B 20.00.3C 20.00.3D 20.00.3E 20.00.3F 20.00.40 20.00.41 20.00.42
20.00.43 20.00.44 20.00.45 20.00.46 20.00.47 20.00.48 A0.1B.00 A0.24.00 20.00.00 20.00.00
20.00.00 20.00.35 20.00.1E 20.00.1F 20.00.20 20.00.21 20.00.22 20.00.23 20.00.24 20.00.25
20.00.26 20.00.27 20.00.2D 20.00.2E 20.00.2A 20.00.49 20.00.4A 20.00.4B 20.00.53 20.00.54
20.00.55 20.00.56 20.00.2B 20.00.14 20.00.1A 20.00.08 20.00.15 20.00.17 20.00.1C 20.00.18
20.00.0C 20.00.12 20.00.13 20.00.2F 20.00.30 20.00.31 20.00.4C 20.00.4D 20.00.4E 20.00.5F
20.00.60 20.00.61 20.00.32 20.00.39 20.00.04 20.00.16 20.00.07 20.00.09 20.00.0A 20.00.0B
20.00.0D 20.00.0E 20.00.0F 20.00.33 20.00.34 20.00.28 20.00.5C 20.00.5D 20.00.5E 20.00.8A
20.00.8B 20.00.90 20.00.91 20.00.88 20.02.00 20.00.1D 20.00.1B 20.00.06 20.00.19 20.00.05
20.00.11 20.00.10 20.00.36 20.00.37 20.00.38 20.20.00 20.00.52 20.00.59 20.00.5A 20.00.5B
20.00.87 20.00.89 20.00.64 20.00.85 20.00.00 20.01.00 20.08.00 20.04.00 20.00.2C 20.40.00
A0.01.00 20.00.65 20.10.00 20.00.50 20.00.51 20.00.4F 20.00.62 20.00.63 20.00.58 20.00.57
D0.A2.01 D0.A2.02 D0.A2.03 D0.A2.04 D0.A2.05 20.80.00
"""
KEYBOARD_KEY_COUNT = 170


def keyboard_key_codes():
    codes = [code(*(int(part, 16) for part in item.split(".")))
             for item in KEYBOARD_KEY_CODES_TEXT.split()]
    assert len(codes) == 126
    return codes + [code(0x20, 0, 0)] * (KEYBOARD_KEY_COUNT - len(codes))


def key_list(codes):
    return [{"Assignment": c, "DefaultAssignment": c} for c in codes]


def colour_wheel(count):
    """count fully saturated colours spread evenly around the hue circle."""
    colours = []
    for i in range(count):
        h = i * 6.0 / count
        sector, f = int(h), h - int(h)
        up, down = round(255 * f), round(255 * (1 - f))
        colours.append([(255, up, 0), (down, 255, 0), (0, 255, up), (0, down, 255),
                        (up, 0, 255), (255, 0, down)][sector])
    return colours


def light_info(red, green, blue, multicolour):
    # Mode 0 of the light-mode list, full brightness (the effect tables cover 0..4) and a
    # middle speed (0..3).
    return {"SelectItem": 0, "Light": 4, "Speed": 2, "Fx": 1, "MultiColor": multicolour,
            "Red": red, "Green": green, "Blue": blue, "ZZCCLedMode": 0, "CustomGroup": 0,
            "OldLedmode": 0}


AUDIO_LIGHT_INFO = {"AudioMode": 0, "BkColorR": 0, "BkColorG": 0, "BkColorB": 255,
                    "FgColorR": 255, "FgColorG": 0, "FgColorB": 0, "7ColorFlags": 0,
                    "ColorTypeFlags": 1}

# Six sensitivity stages: DPI steps every sensor supports (multiples of 50 within
# 50..42000) and one colour per stage.
STAGE_DPIS = [400, 800, 1600, 3200, 6400, 12800]
STAGE_COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 0, 255),
                 (0, 255, 255)]
ACTIVE_STAGE = 2  # 1600 DPI


def dpi_stages():
    stages = [{"StageActive": 1, "StageXY": 0, "StageDPIX": dpi, "StageDPIY": dpi,
               "StageColorR": r, "StageColorG": g, "StageColorB": b}
              for dpi, (r, g, b) in zip(STAGE_DPIS, STAGE_COLOURS)]
    # Index 0: sensor 0x3395; index 1: sensor 0x3950.
    return [{"StageActive": ACTIVE_STAGE, "StageDPIs": stages} for _ in range(2)]


# Polling position 3 (1000 reports per second) on every link; deep sleep after 180 s;
# 4 ms key debounce.
MOUSE_SYSTEM_STAGES = {
    "DoubleClickTime": 500, "MouseSpeed": 10, "PointerPrecision": 1, "ScorllPage": 0,
    "WheelScorlllinse": 3, "DormancyTime": 1, "SilentAltitudeItem": 0, "AntiShake": 0,
    "SensorLif": 0, "MotionSync": 0, "LinearCalibration": 0, "KeyDelay": 2,
    "DeepSleepOff": 1, "sleeptime": 0, "sleeptimeH": 0, "ReportSelectItemUSB": 3,
    "ReportSelectItem24K": 3,
}
MOUSE_LIGHT_COUNT = 15


def mouse_entry():
    lights = [{"LEDREGMode": 0, "LEDBrightness": 4, "LEDSpeed": 2, "LEDMultiColor": 0,
               "LEDDirection": 1, "red": r, "green": g, "blue": b}
              for r, g, b in colour_wheel(MOUSE_LIGHT_COUNT)]
    return {
        "KeyList": key_list(MOUSE_KEY_CODES),
        "LightInfo": light_info(255, 0, 0, 1),
        "AudioLightInfo": AUDIO_LIGHT_INFO,
        "LightList": lights,
        "DPIStages": dpi_stages(),
        "SystemStages": MOUSE_SYSTEM_STAGES,
        "ReportStages": {"StageActive": 3},
    }


def keyboard_entry():
    white = {"Red": 255, "Green": 255, "Blue": 255, "Alpha": 255}
    return {
        "KeyList": key_list(keyboard_key_codes()),
        "LightInfo": light_info(255, 255, 255, 0),
        "AudioLightInfo": AUDIO_LIGHT_INFO,
        # Repeat rate 20, 500 ms delay (250 ms * (1 + 1)), polling option 0.
        "SystemStages": {"Repeat": 20, "RepeatDelay": 1, "Key6Flag": 0, "PollingRate": 0,
                         "WFlag": 0, "WinFlag": 0},
        # Custom group 0: every key white at full brightness.
        "CustomLightMode": {"CustomLightModeGroupIndex": 0,
                            "LightColorInfo": [[white] * KEYBOARD_KEY_COUNT]},
    }


# The light-mode list of light name set 0, which every mouse of the catalogue uses, in list
# order (a profile's "SelectItem" is the position): the language key of the mode's name,
# whether the list shows it, and the code the mouse firmware takes for the mode. Position 9
# stands for the user's own light programmes and is not listed among the built-in modes.
MOUSE_LIGHT_MODES = [
    ("light_mode_static_text", True, 1),
    ("light_mode_breathing_text", True, 2),
    ("light_mode_blink_text", True, 3),
    ("light_mode_spectrum_text", True, 4),
    ("light_mode_wave_text", True, 5),
    ("light_mode_off_text", True, 0),
    ("light_mode_reaction_text", True, 6),
    ("light_mode_breathing_four_text", True, 7),
    ("light_mode_blink_four_text", True, 8),
    ("light_mode_custom_text", False, 9),
    ("light_mode_marquee_text", True, 10),
    ("light_mode_music_text", True, 11),
]
# The light areas of the mouse, named where the page names an area instead of a mode.
MOUSE_LIGHT_AREAS = ["light_area_logo_text", "light_area_wheel_text"]


def light_names():
    modes = [{"LightName": name, "visible": visible, "value": value}
             for name, visible, value in MOUSE_LIGHT_MODES]
    areas = [{"LightName": name} for name in MOUSE_LIGHT_AREAS]
    return {"DefaultLightName": [modes], "AreaLightName": [areas]}


def write_document(file_name, document):
    text = json.dumps(document, indent=3, separators=(",", " : "), sort_keys=True,
                      ensure_ascii=False)
    with open(os.path.join(OUT, file_name), "w", encoding="utf-8", newline="\n") as out:
        out.write(text + "\n\n")


def write(file_name, model, entry):
    write_document(file_name, {"profilename": model, "profileUUID": model, "Device": [entry]})


def main():
    os.makedirs(OUT, exist_ok=True)
    write("keyboard.Json", "keyboard", keyboard_entry())
    for model in ("VORN-T4", "VORN-T4Pro", "VORN-T4Ultra", "VORN-T4Max"):
        write(model + ".Json", model, mouse_entry())
    write_document("default_light.json", light_names())


if __name__ == "__main__":
    main()
