#!/usr/bin/env python3
"""Writes resources/terminal.svg, the art of the simulator window.

One group per image id (img500 .. img551). Each group starts with an
invisible box rectangle: its top-left is where the window draws the image and
its size is the image's size, so the renderer can map the box straight onto
the picture. The terminal body and the released keys sit where they appear in
the 200 x 459 picture, so the file itself shows the terminal; the pressed keys
and the screen's small images live to the right of it, outside the view.

Run it after changing the art:  python3 resources/make_terminal_svg.py
"""
import os

W, H = 200, 459
SHEET = 240  # x offset of the images that are not part of the picture

# Keycaps in picture pixels (left, top, right, bottom, inclusive), each inside
# the part of its hit rectangle that the hit test gives to that key.
COLUMNS = [(46, 77), (81, 118), (122, 153)]
ROWS = [(296, 316), (324, 343), (351, 370), (378, 397)]
CAPS = {
    16: (44, 198, 70, 233),
    17: (131, 198, 155, 233),
    18: (50, 241, 79, 268),
    19: (85, 243, 114, 264),
    20: (120, 241, 151, 268),
    21: (49, 272, 76, 290),
    22: (85, 267, 114, 287),
    23: (119, 272, 150, 290),
    13: (50, 404, 77, 424),
    14: (90, 404, 109, 424),
    15: (122, 404, 149, 424),
}
for k in range(1, 13):
    (l, r), (t, b) = COLUMNS[(k - 1) % 3], ROWS[(k - 1) // 3]
    CAPS[k] = (l, t, r, b)

PRESSED_ORIGIN = {
    16: (43, 197), 17: (129, 197), 22: (83, 265), 19: (83, 241), 18: (47, 239),
    20: (118, 239), 21: (47, 263), 23: (118, 263),
    1: (38, 295), 2: (79, 295), 3: (121, 295), 4: (38, 322), 5: (79, 322), 6: (121, 322),
    7: (38, 349), 8: (79, 349), 9: (121, 349), 10: (38, 376), 11: (79, 376), 12: (121, 376),
    13: (38, 403), 14: (78, 403), 15: (121, 403),
}


def released_origin(key):
    if key <= 15:
        return (38 + 41 * ((key - 1) % 3), 295 + 27 * ((key - 1) // 3))
    return PRESSED_ORIGIN[key]


# Key families: cap colours (top, bottom), pressed colours, legend colour.
FAMILIES = {
    "digit": ("#6b727b", "#545a62", "#4a4f56", "#3f444a", "#f4f6f8"),
    "nav": ("#4c5259", "#3b4046", "#34383d", "#2b2e33", "#e9edf1"),
    "enter": ("#3fa36a", "#2b7d4f", "#2a7a4c", "#1f5f3a", "#f4fff8"),
    "esc": ("#c0544a", "#983c34", "#8f3a33", "#742d27", "#fff3f1"),
    "dark": ("#474c53", "#373b41", "#30343a", "#27292e", "#d9dee4"),
}
FAMILY = {16: "enter", 17: "enter", 21: "esc", 18: "nav", 19: "nav", 20: "nav",
          22: "nav", 23: "dark", 13: "dark", 14: "dark", 15: "dark"}

SANS = "DejaVu Sans, Verdana, Arial, sans-serif"
DIGIT_LEGENDS = {1: ("1", "\u2423"), 2: ("2", "ABC"), 3: ("3", "DEF"), 4: ("4", "GHI"),
                 5: ("5", "JKL"), 6: ("6", "MNO"), 7: ("7", "PQRS"), 8: ("8", "TUV"),
                 9: ("9", "WXYZ"), 10: ("\u2212", "+$"), 11: ("0", "/*"), 12: ("\u00b7", "%#")}

LCD_DARK = "#1d2a1b"
out = []


def emit(s):
    out.append(s)


def box(x, y, w, h):
    # Counted in the element's bounds but never seen.
    emit(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="#000" fill-opacity="0"/>')


def text(x, y, s, size, fill, weight="bold", anchor="middle", opacity=None):
    op = f' fill-opacity="{opacity}"' if opacity is not None else ""
    emit(f'<text x="{x:.1f}" y="{y:.1f}" font-family="{SANS}" font-size="{size}" '
         f'font-weight="{weight}" fill="{fill}"{op} text-anchor="{anchor}">{s}</text>')


def triangle(cx, cy, size, direction, fill):
    s = size
    points = {
        "up": [(cx, cy - s * 0.6), (cx + s * 0.7, cy + s * 0.4), (cx - s * 0.7, cy + s * 0.4)],
        "down": [(cx, cy + s * 0.6), (cx + s * 0.7, cy - s * 0.4), (cx - s * 0.7, cy - s * 0.4)],
        "left": [(cx - s * 0.6, cy), (cx + s * 0.4, cy - s * 0.7), (cx + s * 0.4, cy + s * 0.7)],
        "right": [(cx + s * 0.6, cy), (cx - s * 0.4, cy - s * 0.7), (cx - s * 0.4, cy + s * 0.7)],
    }[direction]
    d = "M" + " L".join(f"{x:.1f},{y:.1f}" for x, y in points) + " Z"
    emit(f'<path d="{d}" fill="{fill}"/>')


def legend(key, cx, cy, w, h, ink):
    if key in DIGIT_LEGENDS:
        main, letters = DIGIT_LEGENDS[key]
        left = cx - w / 2
        text(left + 8.5, cy + 4.2, main, 11.5, ink)
        text(left + w - 2.5, cy + 2.3, letters, 5.4 if len(letters) < 4 else 4.7, "#c3ccd5", "bold", "end")
    elif key in (16, 17):
        # A return arrow over the word.
        ax, ay = cx, cy - 4
        emit(f'<path d="M{ax + 5:.1f},{ay - 5:.1f} V{ay + 1:.1f} H{ax - 3:.1f}" fill="none" '
             f'stroke="{ink}" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>')
        triangle(ax - 4.2, ay + 1, 3.4, "left", ink)
        text(cx, cy + 10, "ENTER", 5.4, ink)
    elif key == 19:
        triangle(cx, cy, 5.5, "up", ink)
    elif key == 22:
        triangle(cx, cy, 5.5, "down", ink)
    elif key == 18:
        triangle(cx, cy, 5.5, "left", ink)
    elif key == 20:
        triangle(cx, cy, 5.5, "right", ink)
    elif key == 21:
        text(cx, cy + 2.8, "ESC", 7.5, ink)
    elif key == 23:
        # A backspace tag with a cross.
        x0, y0 = cx - 9, cy
        emit(f'<path d="M{x0:.1f},{y0:.1f} L{x0 + 5:.1f},{y0 - 4.5:.1f} H{x0 + 17:.1f} V{y0 + 4.5:.1f} '
             f'H{x0 + 5:.1f} Z" fill="none" stroke="{ink}" stroke-width="1.2" stroke-linejoin="round"/>')
        emit(f'<path d="M{x0 + 8.5:.1f},{y0 - 2:.1f} l4,4 m0,-4 l-4,4" stroke="{ink}" '
             f'stroke-width="1.2" stroke-linecap="round"/>')
    elif key == 13:
        text(cx, cy + 1.2, "ABC", 7, "#f0b44c")
        text(cx, cy + 8, "ALPHA", 4.4, "#b9c1ca")
    elif key == 14:
        for dy in (-3.5, 0, 3.5):
            emit(f'<rect x="{cx - 5:.1f}" y="{cy + dy - 0.75:.1f}" width="10" height="1.5" rx="0.75" '
                 f'fill="{ink}"/>')
    elif key == 15:
        text(cx, cy + 2.8, "FN", 7.5, ink)


def key_image(key, pressed):
    l, t, r, b = CAPS[key]
    ox, oy = PRESSED_ORIGIN[key] if pressed else released_origin(key)
    dx = SHEET if pressed else 0
    top, bottom, ptop, pbottom, ink = FAMILIES[FAMILY.get(key, "digit")]
    w, h = r - l + 1, b - t + 1
    shift = 1 if pressed else 0
    x, y = l + dx, t + shift
    rx = 4.5 if key != 14 else 6
    image_id = 523 + key if pressed else 500 + key
    emit(f'<g id="img{image_id}">')
    box(ox + dx, oy, r + 3 - ox, b + 4 - oy)
    grad = f"kp{key}" if pressed else f"kr{key}"
    emit(f'<defs><linearGradient id="{grad}" x1="0" y1="0" x2="0" y2="1">'
         f'<stop offset="0" stop-color="{ptop if pressed else top}"/>'
         f'<stop offset="1" stop-color="{pbottom if pressed else bottom}"/></linearGradient></defs>')
    if not pressed:
        # The cap's skirt and its shadow on the panel.
        emit(f'<rect x="{x - 0.5}" y="{y + 0.5}" width="{w + 1}" height="{h + 2.5}" rx="{rx + 0.5}" '
             f'fill="#121416" fill-opacity="0.55"/>')
        emit(f'<rect x="{x}" y="{y}" width="{w}" height="{h + 1.5}" rx="{rx}" fill="{pbottom}"/>')
    else:
        emit(f'<rect x="{x - 0.5}" y="{y - 0.5}" width="{w + 1}" height="{h + 1}" rx="{rx + 0.5}" '
             f'fill="#0d0e10" fill-opacity="0.6"/>')
    emit(f'<rect id="cap{image_id}" x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="url(#{grad})"/>')
    # A thin light edge along the top of a raised cap; a shade inside a pressed one.
    if not pressed:
        emit(f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" rx="{rx - 0.5}" '
             f'fill="none" stroke="#ffffff" stroke-opacity="0.16" stroke-width="1"/>')
    else:
        emit(f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" rx="{rx - 0.5}" '
             f'fill="none" stroke="#000000" stroke-opacity="0.35" stroke-width="1"/>')
    legend(key, x + w / 2, y + h / 2, w, h, ink if not pressed else "#cfd5db")
    emit('</g>')


def terminal_body():
    emit('<g id="img500">')
    box(0, 0, W, H)
    emit('<defs>'
         '<linearGradient id="shell" x1="0" y1="0" x2="1" y2="0">'
         '<stop offset="0" stop-color="#24272b"/><stop offset="0.12" stop-color="#3a3f45"/>'
         '<stop offset="0.88" stop-color="#3a3f45"/><stop offset="1" stop-color="#24272b"/></linearGradient>'
         '<linearGradient id="face" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#474c53"/><stop offset="0.45" stop-color="#3d4248"/>'
         '<stop offset="1" stop-color="#33373c"/></linearGradient>'
         '<linearGradient id="bezel" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#2a2d31"/><stop offset="1" stop-color="#141619"/></linearGradient>'
         '<linearGradient id="lcd" x1="0" y1="0" x2="0.35" y2="1">'
         '<stop offset="0" stop-color="#c7d5ab"/><stop offset="1" stop-color="#aebf90"/></linearGradient>'
         '<linearGradient id="lcdshade" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#000" stop-opacity="0.22"/>'
         '<stop offset="1" stop-color="#000" stop-opacity="0"/></linearGradient>'
         '<linearGradient id="glass" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#7a1f1c"/><stop offset="1" stop-color="#2b0807"/></linearGradient>'
         '<linearGradient id="panel" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#2b2e33"/><stop offset="1" stop-color="#25282c"/></linearGradient>'
         '<radialGradient id="ledg" cx="0.4" cy="0.35" r="0.7">'
         '<stop offset="0" stop-color="#b8ffcf"/><stop offset="0.5" stop-color="#2fd06a"/>'
         '<stop offset="1" stop-color="#0f5a2a"/></radialGradient>'
         '<radialGradient id="leda" cx="0.4" cy="0.35" r="0.7">'
         '<stop offset="0" stop-color="#7c5a2a"/><stop offset="1" stop-color="#3b2a12"/></radialGradient>'
         '</defs>')
    # Case, face plate and the scanner window at the top edge.
    emit('<rect x="62" y="0.5" width="76" height="9" rx="3.5" fill="url(#glass)" stroke="#14090a" stroke-width="1"/>')
    emit('<rect x="66" y="2" width="68" height="1.6" rx="0.8" fill="#ffffff" fill-opacity="0.18"/>')
    emit('<rect x="3" y="5" width="194" height="452" rx="26" fill="url(#shell)" stroke="#141618" stroke-width="1.5"/>')
    emit('<rect x="10" y="12" width="180" height="438" rx="21" fill="url(#face)"/>')
    emit('<rect x="10.5" y="12.5" width="179" height="437" rx="20.5" fill="none" stroke="#ffffff" '
         'stroke-opacity="0.07" stroke-width="1"/>')
    # Rubber grips along both sides.
    for gx in (4.5, 191):
        emit(f'<rect x="{gx}" y="150" width="4.5" height="250" rx="2.2" fill="#1c1e21"/>')
        for gy in range(160, 392, 10):
            emit(f'<rect x="{gx + 1}" y="{gy}" width="2.5" height="4" rx="1.2" fill="#2c2f33"/>')
    # Screen bezel and the LCD.
    emit('<rect x="23" y="19" width="159" height="120" rx="13" fill="url(#bezel)" stroke="#0c0d0f" stroke-width="1"/>')
    emit('<path d="M36,20 H169 a12,12 0 0 1 12,12 V46 C140,40 70,40 24,58 V32 a12,12 0 0 1 12,-12 Z" '
         'fill="#ffffff" fill-opacity="0.045"/>')
    emit('<rect x="32.5" y="28.5" width="140" height="98" rx="4" fill="#0c0e0b"/>')
    emit('<rect x="34" y="30" width="137" height="95" rx="3" fill="url(#lcd)"/>')
    emit('<rect x="34" y="30" width="137" height="5" rx="2" fill="url(#lcdshade)"/>')
    emit('<rect x="34" y="30" width="3" height="95" fill="#000" fill-opacity="0.06"/>')
    # Status lights and the speaker under the screen.
    emit('<circle cx="40" cy="153" r="3.2" fill="url(#ledg)" stroke="#0d0f10" stroke-width="0.8"/>')
    emit('<circle cx="160" cy="153" r="3.2" fill="url(#leda)" stroke="#0d0f10" stroke-width="0.8"/>')
    for i in range(6):
        emit(f'<rect x="{76 + i * 8.6:.1f}" y="148" width="5" height="10" rx="2.5" fill="#1a1c1f" '
             f'stroke="#50555c" stroke-opacity="0.5" stroke-width="0.6"/>')
    # The keypad well.
    emit('<rect x="36" y="189" width="128" height="244" rx="15" fill="url(#panel)" stroke="#1b1d20" stroke-width="1"/>')
    emit('<rect x="36.5" y="432" width="127" height="1" fill="#ffffff" fill-opacity="0.06"/>')
    # Between the two ENTER keys: a round scan-trigger mark, not a key.
    emit('<circle cx="100.5" cy="215.5" r="12" fill="#202327" stroke="#16181b" stroke-width="1"/>')
    emit('<circle cx="100.5" cy="215.5" r="9" fill="none" stroke="#e3a43c" stroke-opacity="0.55" stroke-width="1"/>')
    for i, wdt in enumerate((1.2, 0.6, 1.6, 0.6, 1.0, 0.6, 1.6, 0.8, 1.2)):
        emit(f'<rect x="{95 + i * 1.35:.2f}" y="211.5" width="{wdt}" height="8" fill="#e3a43c" fill-opacity="0.7"/>')
    # The lower grip and the lanyard slot.
    emit('<rect x="84" y="441" width="32" height="5" rx="2.5" fill="#1e2023" stroke="#50555c" '
         'stroke-opacity="0.4" stroke-width="0.6"/>')
    emit('</g>')


def screen_images():
    x0 = SHEET
    # 547: the text cursor, a shaded cell light enough to show a pending letter.
    emit('<g id="img547">')
    box(x0, 0, 6, 10)
    emit(f'<rect x="{x0}" y="0" width="6" height="10" fill="{LCD_DARK}" fill-opacity="0.28"/>')
    emit(f'<rect x="{x0}" y="9.2" width="6" height="0.8" fill="{LCD_DARK}" fill-opacity="0.8"/>')
    emit('</g>')
    # 548: the highlight bar.
    emit('<g id="img548">')
    box(x0, 20, 127, 10)
    emit(f'<rect x="{x0}" y="20" width="127" height="10" rx="1.5" fill="{LCD_DARK}"/>')
    emit('</g>')
    # 549: the clock line's strip.
    emit('<g id="img549">')
    box(x0, 40, 127, 13)
    emit(f'<rect x="{x0}" y="40.5" width="127" height="0.8" fill="{LCD_DARK}" fill-opacity="0.55"/>')
    emit(f'<rect x="{x0}" y="41.5" width="127" height="11.5" fill="{LCD_DARK}" fill-opacity="0.08"/>')
    emit('</g>')
    # 550 and 551: the alphabetic-entry sign, lit and unlit.
    for image_id, opacity in ((550, 1.0), (551, 0.12)):
        y = 60 if image_id == 550 else 75
        emit(f'<g id="img{image_id}">')
        box(x0, y, 12, 9)
        emit(f'<rect x="{x0 + 0.5}" y="{y + 0.5}" width="11" height="8" rx="2" fill="{LCD_DARK}" '
             f'fill-opacity="{opacity}"/>')
        if image_id == 550:
            text(x0 + 6, y + 7, "A", 7, "#c3d1a7")
        emit('</g>')


def main():
    emit('<?xml version="1.0" encoding="UTF-8"?>')
    emit(f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
         f'width="{W}" height="{H}" viewBox="0 0 {W} {H}">')
    emit('<!-- Generated by make_terminal_svg.py: edit that script, not this file. -->')
    terminal_body()
    for key in range(1, 24):
        key_image(key, False)
    for key in range(1, 24):
        key_image(key, True)
    screen_images()
    emit('</svg>')
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "terminal.svg")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
