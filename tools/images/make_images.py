#!/usr/bin/env python3
"""Draws every picture that Tessaro carries inside its executable and writes them to resources/images/.

    python3 tools/images/make_images.py [output-folder]

The PNG, BMP and ICO files are written byte by byte from the pixel arrays drawn here. The two JPEG pictures are
drawn here as well; ImageMagick's convert sets their text (Liberation Sans) and encodes them as baseline JPEG.
Nothing depends on the clock or on the machine's locale, so two runs give identical files.
"""

import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no __pycache__ beside the generator in the source tree
from pixels import Canvas, any_of, bmp_rgb24, draw_line, ico_rgba, in_circle, in_polygon, png_rgba, read_png

FONT_DIR = "/usr/share/fonts/truetype/liberation"
FONT = os.path.join(FONT_DIR, "LiberationSans-Regular.ttf")
FONT_BOLD = os.path.join(FONT_DIR, "LiberationSans-Bold.ttf")

# Colours the program uses itself; the main window's labels are painted in these and must meet the picture.
PANEL_GREY = (219, 219, 219)
LOWER_PANEL_GREY = (162, 162, 162)
LABEL_TEXT_GREY = (128, 128, 128)
RULER_GREY = (212, 212, 212)
RULER_ALPHA = 192

# --- display scales ----------------------------------------------------------------------------------------------

# The panel's and the guide's pictures are drawn once for each of these resolutions (100 to 200 %); the program
# takes the set for the display it stands on, and for a scale between or beyond them averages the nearest larger set
# (the largest above them) to it. File names of the larger sets end in the percentage.
SCALE_DPIS = (96, 120, 144, 168, 192)


def scaled_name(name, dpi):
    if dpi == 96:
        return name
    stem, dot, ext = name.rpartition(".")
    return "%s-%d.%s" % (stem, dpi * 100 // 96, ext)


def edge(value, dpi):
    """A coordinate of the 96-dpi layout at dpi, rounded half away from zero as the program scales its boxes."""
    scaled = value * dpi
    return (scaled + 48) // 96 if scaled >= 0 else -((-scaled + 48) // 96)


def scaled_box(x, y, w, h, dpi):
    """x, y, w, h of a 96-dpi box at dpi: its edges are scaled, so boxes that meet still meet."""
    x0, y0 = edge(x, dpi), edge(y, dpi)
    return x0, y0, edge(x + w, dpi) - x0, edge(y + h, dpi) - y0


def line_width(dpi):
    """Thickness of the drawings' one-pixel lines at dpi."""
    return max(1, edge(1, dpi))


def magnifier_block(dpi):
    """Side of the block one screen pixel takes in the magnifier: 3 at 96 dpi, 3 x the scale rounded."""
    return max(1, edge(3, dpi))


def trunc_half(value):
    """value / 2 rounded toward zero, as the program's integer division."""
    return int(value / 2)


def magnifier_frame(dpi):
    """Left, top and side of the magnifier's frame at dpi: whole blocks and a one-pixel edge, centred where the
    96-dpi frame stands (as the program places it)."""
    x, y, w, h = scaled_box(100, 95, 65, 65, dpi)
    side = 21 * magnifier_block(dpi) + 2
    return x + trunc_half(w - side), y + trunc_half(h - side), side


# --- main window layout (x, y, w, h below the menu bar), the controls the background has to leave free ----------

UPPER_CONTROLS = {
    "TopSeparator": (0, 0, 300, 2),
    "MagnifierFrame": (100, 95, 65, 65),
    "MagnifierView": (101, 96, 63, 63),
    "CornerTopLeftOption": (80, 75, 14, 15),
    "CornerTopRightOption": (171, 75, 14, 15),
    "CornerBottomRightOption": (171, 166, 14, 15),
    "CornerBottomLeftOption": (80, 166, 14, 15),
    "GrowTopButton": (122, 51, 20, 20),
    "GrowRightButton": (198, 116, 20, 20),
    "GrowBottomButton": (122, 185, 20, 20),
    "GrowLeftButton": (47, 116, 20, 20),
    "ShrinkTopButton": (122, 72, 20, 20),
    "ShrinkRightButton": (177, 116, 20, 20),
    "ShrinkBottomButton": (122, 164, 20, 20),
    "ShrinkLeftButton": (68, 116, 20, 20),
    "MoveUpButton": (122, 21, 20, 20),
    "MoveRightButton": (229, 116, 20, 20),
    "MoveDownButton": (122, 216, 20, 20),
    "MoveLeftButton": (16, 116, 20, 20),
    "PositionRangeLabel": (5, 4, 125, 15),
    "SizeRangeLabel": (140, 4, 125, 15),
    "OriginLabel": (4, 26, 10, 15),
    "LeftEdgeTopField": (47, 26, 30, 15),
    "RightEdgeTopField": (187, 26, 30, 15),
    "RightEdgeBottomField": (187, 218, 30, 15),
    "LeftEdgeBottomField": (47, 218, 30, 15),
    "BottomEdgeLeftField": (4, 191, 30, 15),
    "TopEdgeLeftField": (4, 52, 30, 15),
    "TopEdgeRightField": (230, 52, 30, 15),
    "BottomEdgeRightField": (230, 191, 30, 15),
    "SizeOriginLabel": (47, 52, 30, 15),
    "RulerHeightField": (47, 191, 30, 15),
    "RulerWidthField": (187, 52, 30, 15),
}

LOWER_CONTROLS = {
    "ColourSwatch": (101, 267, 63, 63),
    "RgbCaption": (20, 270, 75, 15),
    "RgbValueField": (20, 285, 75, 15),
    "HslCaption": (20, 303, 75, 15),
    "HslValueField": (20, 317, 75, 15),
    "HtmlCaption": (175, 270, 75, 15),
    "HtmlValueField": (175, 285, 72, 17),
    "DecCaption": (175, 303, 75, 15),
    "DecValueField": (175, 317, 72, 17),
    "WindowNameCaption": (20, 356, 39, 15),
    "WindowNameField": (60, 356, 195, 15),
    "WindowClassCaption": (20, 372, 39, 15),
    "WindowClassField": (60, 372, 195, 15),
    "WindowHandleCaption": (20, 388, 39, 15),
    "WindowHandleField": (60, 388, 195, 15),
    "ProcessIdCaption": (20, 404, 39, 15),
    "ProcessIdField": (60, 404, 195, 15),
    "TaskCaption": (20, 420, 39, 15),
    "TaskField": (60, 420, 195, 15),
}

# --- ruler centre symbol ---------------------------------------------------------------------------------------

# An open hand, palm towards the viewer: '#' outline, 'o' fill, '.' transparent.
HAND = [
    ".........##........",
    "......###oo###.....",
    ".....#oo#oo#oo#....",
    ".....#oo#oo#oo###..",
    ".....#oo#oo#oo#oo#.",
    ".....#oo#oo#oo#oo#.",
    ".##..#oo#oo#oo#oo#.",
    "#oo#.#oo#oo#oo#oo#.",
    "#ooo##oo#oo#oo#oo#.",
    ".#ooo#oo#oo#oo#oo#.",
    "..#oooooooooooooo#.",
    "..#oooooooooooooo#.",
    "...#ooooooooooooo#.",
    "...#ooooooooooooo#.",
    "....#oooooooooooo#.",
    "....#ooooooooooo#..",
    ".....#ooooooooo#...",
    ".....#ooooooooo#...",
    ".....###########...",
]
HAND_OUTLINE = (16, 16, 16, 255)
HAND_FILL = (255, 255, 255, 255)


def draw_hand():
    canvas = Canvas(19, 19)
    for y, row in enumerate(HAND):
        for x, cell in enumerate(row):
            if cell == "#":
                canvas.put(x, y, HAND_OUTLINE)
            elif cell == "o":
                canvas.put(x, y, HAND_FILL)
    return canvas


# --- button icons ----------------------------------------------------------------------------------------------

ICON_INK = (32, 32, 32, 255)

def arrow_up(size):
    """Arrow pointing up in a size x size box (16 at 96 dpi): the shaft's sides lie on pixel borders so they stay
    sharp; the head's slopes and the two ends are softened by coverage."""
    s = size / 16.0
    c = size / 2.0
    half = float(int(2 * s + 0.5))
    tip, head, end = 1.5 * s, 6.5 * s, size - 1.5 * s
    return [(c, tip), (c + head, c), (c + half, c), (c + half, end), (c - half, end), (c - half, c), (c - head, c)]


def turned(points, quarters, size=16):
    """Turns points about the icon's centre by quarters x 90 degrees clockwise."""
    out = []
    for x, y in points:
        for _ in range(quarters):
            x, y = float(size) - y, x
        out.append((x, y))
    return out


def bar(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def draw_icon(covers, size=16):
    canvas = Canvas(size, size)
    canvas.shape(covers, (0, 0, size, size), ICON_INK, samples=8)
    return canvas


def icon_size(dpi):
    return edge(16, dpi)


def draw_icons(dpi=96):
    # Plus and minus bars are 3 pixels thick about the centre line at 96 dpi, so their long sides are half-covered
    # rows; larger, 3 x the scale rounded.
    size = icon_size(dpi)
    s, c = size / 16.0, size / 2.0
    half = edge(3, dpi) / 2.0
    reach = 6.0 * s
    across = bar(c - reach, c - half, c + reach, c + half)
    up = arrow_up(size)
    return {
        "arrow-up.ico": draw_icon(in_polygon(up), size),
        "arrow-right.ico": draw_icon(in_polygon(turned(up, 1, size)), size),
        "arrow-down.ico": draw_icon(in_polygon(turned(up, 2, size)), size),
        "arrow-left.ico": draw_icon(in_polygon(turned(up, 3, size)), size),
        "plus.ico": draw_icon(any_of(across, bar(c - half, c - reach, c + half, c + reach)), size),
        "minus.ico": draw_icon(across, size),
    }


# --- magnifier start picture -----------------------------------------------------------------------------------

MAGNIFIER_GREY = (128, 128, 128)
MAGNIFIER_SEAM = (118, 118, 118)
MAGNIFIER_SHEEN = (136, 136, 136)


def draw_magnifier(dpi=96):
    """Mid grey in cells the size one screen pixel takes in the view (3 x 3 at 96 dpi): each cell has a lighter
    top-left corner and a darker right and bottom seam, a quiet hint at enlarged pixels."""
    block = magnifier_block(dpi)
    side = 21 * block
    canvas = Canvas(side, side, MAGNIFIER_GREY)
    for y in range(side):
        for x in range(side):
            if x % block == block - 1 or y % block == block - 1:
                canvas.put(x, y, MAGNIFIER_SEAM)
            elif x % block == 0 and y % block == 0:
                canvas.put(x, y, MAGNIFIER_SHEEN)
    return canvas


# --- main window background --------------------------------------------------------------------------------------

BACKGROUND_SIZE = (272, 452)
LOWER_PANEL_TOP = 254  # first row in the lower grey
DRAWING_INK = (112, 112, 112)  # the ruler's outline, its edge lines and the corner ticks
CROSS_INK = (150, 150, 150)  # the X that ties the corners to the magnifier
ETCH_DARK = (116, 116, 116)
ETCH_LIGHT = (206, 206, 206)

# The ruler's outline runs in the free channels between the controls: columns 36..46 and 218..228 and rows 41..50
# and 206..215 hold no control, so the four edges and their extensions are never covered.
RULER_LEFT, RULER_RIGHT, RULER_TOP, RULER_BOTTOM = 41, 223, 46, 211
EDGE_LINE_TOP, EDGE_LINE_BOTTOM = 21, 238  # vertical edges run on up to below the range labels, down past the fields
EDGE_LINE_LEFT, EDGE_LINE_RIGHT = 2, 267  # horizontal edges run on to the window's sides
MAGNIFIER_CENTRE = (132, 127)  # centre pixel of the 65 x 65 frame at 100, 95
CROSS_REACH = 59  # the X's arms stop just short of the size labels in the ruler's corners

# Lower-panel boxes: outer corners of the dark line; the light line lies one pixel right and below.
COLOUR_BOX = (8, 261, 260, 339)
WINDOW_BOX = (8, 349, 260, 441)


class ScaledPen:
    """Draws the 96-dpi line drawing at dpi: a line starts at its scaled coordinate, runs to the scaled end of its
    last pixel and is line_width(dpi) thick."""

    def __init__(self, canvas, dpi):
        self.canvas, self.dpi, self.width = canvas, dpi, line_width(dpi)

    def hline(self, x0, x1, y, colour):
        x0, x1 = min(x0, x1), max(x0, x1)
        top = edge(y, self.dpi)
        self.canvas.fill(edge(x0, self.dpi), top, edge(x1 + 1, self.dpi), top + self.width, colour)

    def vline(self, x, y0, y1, colour):
        y0, y1 = min(y0, y1), max(y0, y1)
        left = edge(x, self.dpi)
        self.canvas.fill(left, edge(y0, self.dpi), left + self.width, edge(y1 + 1, self.dpi), colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.hline(x0, x1, y0, colour)
        self.hline(x0, x1, y1, colour)
        self.vline(x0, y0, y1, colour)
        self.vline(x1, y0, y1, colour)


def etched_box(pen, box):
    x0, y0, x1, y1 = box
    pen.frame(x0 + 1, y0 + 1, x1 + 1, y1 + 1, ETCH_LIGHT)
    pen.frame(x0, y0, x1, y1, ETCH_DARK)


def draw_corner_ticks(pen):
    """Short ticks along the inside of each edge next to each corner, the way the ruler's own scales start:
    every 5 pixels, the one at 10 pixels a little longer."""
    for k in range(1, 5):
        length = 5 if k == 2 else 3
        d = 5 * k
        for x in (RULER_LEFT + d, RULER_RIGHT - d):
            pen.vline(x, RULER_TOP + 1, RULER_TOP + length, DRAWING_INK)
            pen.vline(x, RULER_BOTTOM - length, RULER_BOTTOM - 1, DRAWING_INK)
        for y in (RULER_TOP + d, RULER_BOTTOM - d):
            pen.hline(RULER_LEFT + 1, RULER_LEFT + length, y, DRAWING_INK)
            pen.hline(RULER_RIGHT - length, RULER_RIGHT - 1, y, DRAWING_INK)


def background_size(dpi):
    return edge(BACKGROUND_SIZE[0], dpi), edge(BACKGROUND_SIZE[1], dpi)


def draw_main_background(dpi=96):
    width, height = background_size(dpi)
    canvas = Canvas(width, height, PANEL_GREY)
    pen = ScaledPen(canvas, dpi)
    lower_top = edge(LOWER_PANEL_TOP, dpi)
    canvas.fill(0, lower_top, width, height, LOWER_PANEL_GREY)
    canvas.fill(0, lower_top - pen.width, width, lower_top, ETCH_LIGHT)

    # The X through the magnifier square, under the drawing's lines; its arms pass the four corner options. Its
    # middle is the middle pixel of the magnifier's frame as the program places it at this resolution.
    left, top, side = magnifier_frame(dpi)
    cx, cy = left + side // 2, top + side // 2
    reach = edge(CROSS_REACH, dpi)
    for j in range(pen.width):
        canvas.diagonal(cx - reach + j, cy - reach, cx + reach + j, cy + reach, CROSS_INK)
        canvas.diagonal(cx + reach + j, cy - reach, cx - reach + j, cy + reach, CROSS_INK)

    # The ruler: four edges, each running on past both corners to where its coordinate is shown.
    for x in (RULER_LEFT, RULER_RIGHT):
        pen.vline(x, EDGE_LINE_TOP, EDGE_LINE_BOTTOM, DRAWING_INK)
    for y in (RULER_TOP, RULER_BOTTOM):
        pen.hline(EDGE_LINE_LEFT, EDGE_LINE_RIGHT, y, DRAWING_INK)
    draw_corner_ticks(pen)

    etched_box(pen, COLOUR_BOX)
    etched_box(pen, WINDOW_BOX)
    check_controls_cover_only_plain_grey(canvas, dpi)
    return canvas


# The X runs on under the magnifier and through the four corner options on purpose; everything else of the drawing
# has to stay clear of the controls, whose own backgrounds would hide it.
DRAWN_UNDER = {"TopSeparator", "MagnifierFrame", "MagnifierView", "CornerTopLeftOption", "CornerTopRightOption",
               "CornerBottomRightOption", "CornerBottomLeftOption"}


def check_controls_cover_only_plain_grey(canvas, dpi):
    lower_top = edge(LOWER_PANEL_TOP, dpi)
    for name, box in list(UPPER_CONTROLS.items()) + list(LOWER_CONTROLS.items()):
        if name in DRAWN_UNDER:
            continue
        x, y, w, h = scaled_box(*box, dpi)
        grey = PANEL_GREY if y < lower_top else LOWER_PANEL_GREY
        for v in range(y, y + h):
            for u in range(x, x + w):
                if canvas.get(u, v)[:3] != grey:
                    sys.exit("make_images: the background drawing runs under %s at %d, %d (%d dpi)" % (name, u, v, dpi))


# --- the scene shown in the short guide --------------------------------------------------------------------------

# A ruler of 140 x 150 pixels at screen position 540, 210 lies with its top-left corner on the corner of a blue bar;
# the top-left corner is the selected one, so the main window shows that blue, the magnifier shows the ruler's
# corner over the bar and the fields show this ruler's edges.
SCREEN_RIGHT = 1920
RULER_AT = (540, 210)
RULER_SIZE = (140, 150)
SCENE_BLUE = (51, 102, 153)
SCENE_BLUE_BOX = (540, 210, 540 + 86, 210 + 16)  # screen box of the blue bar, end exclusive
SCENE_TEXTS = {
    "PositionRangeLabel": "Linealposition 0 - %d" % (SCREEN_RIGHT - 1),
    "SizeRangeLabel": "Linealgrösse 1 - %d" % SCREEN_RIGHT,
    "OriginLabel": "0",
    "LeftEdgeTopField": "540",
    "LeftEdgeBottomField": "540",
    "RightEdgeTopField": "679",
    "RightEdgeBottomField": "679",
    "TopEdgeLeftField": "210",
    "TopEdgeRightField": "210",
    "BottomEdgeLeftField": "359",
    "BottomEdgeRightField": "359",
    "SizeOriginLabel": "1",
    "RulerWidthField": "140",
    "RulerHeightField": "150",
    "RgbCaption": "RGB:",
    "RgbValueField": "51,102,153",
    "HslCaption": "HSL:",
    "HslValueField": "209°,50%,40%",
    "HtmlCaption": "HTML:",
    "HtmlValueField": "#336699",
    "DecCaption": "DEC:",
    "DecValueField": "10053171",
    "WindowNameCaption": "Name:",
    "WindowNameField": "Unbenannt - Paint",
    "WindowClassCaption": "Class:",
    "WindowClassField": "MSPaintView",
    "WindowHandleCaption": "HWnd:",
    "WindowHandleField": "329540",
    "ProcessIdCaption": "PID:",
    "ProcessIdField": "7316",
    "TaskCaption": "Task:",
    "TaskField": "mspaint.exe",
}
RIGHT_ALIGNED = {"PositionRangeLabel", "RightEdgeTopField", "RightEdgeBottomField", "BottomEdgeLeftField",
                 "TopEdgeLeftField", "RulerWidthField"}
GREY_TEXT = {"PositionRangeLabel", "OriginLabel", "LeftEdgeTopField", "RightEdgeTopField", "RightEdgeBottomField",
             "LeftEdgeBottomField", "BottomEdgeLeftField", "TopEdgeLeftField", "TopEdgeRightField",
             "BottomEdgeRightField"}


def scale_tick(d):
    """Depth of the tick for the d-th pixel along a scale, 0 for none (5: short, 10: medium, 50: full)."""
    if d % 50 == 0:
        return 15
    if d % 10 == 0:
        return 6
    if d % 5 == 0:
        return 3
    return 0


def ruler_ink(u, v, width, height):
    """True where the ruler's own scales put a black tick at the ruler pixel (u, v)."""
    depth_top = scale_tick(u + 1)
    depth_side = scale_tick(v + 1)
    return (v < depth_top or height - 1 - v < depth_top or u < depth_side or width - 1 - u < depth_side)


def over(top, bottom, alpha):
    return tuple(int(t * alpha + b * (1.0 - alpha) + 0.5) for t, b in zip(top[:3], bottom[:3]))


def scene_pixel(sx, sy):
    """What the screen shows at (sx, sy): white desktop, the blue bar, the ruler over both at 192/255."""
    x0, y0, x1, y1 = SCENE_BLUE_BOX
    ground = SCENE_BLUE if x0 <= sx < x1 and y0 <= sy < y1 else (255, 255, 255)
    u, v = sx - RULER_AT[0], sy - RULER_AT[1]
    width, height = RULER_SIZE
    if not (0 <= u < width and 0 <= v < height) or (u, v) == (0, 0):  # (0, 0): the transparent peephole
        return ground
    ink = (0, 0, 0) if ruler_ink(u, v, width, height) else RULER_GREY
    return over(ink, ground, RULER_ALPHA / 255.0)


def draw_magnifier_view(block=3):
    """The view as the program draws it for the scene: 21 x 21 screen pixels around the ruler's top-left corner,
    each as a block x block square (63 x 63 at 96 dpi), and the red box round the probe pixel."""
    side = 21 * block
    canvas = Canvas(side, side)
    for y in range(side):
        for x in range(side):
            canvas.put(x, y, scene_pixel(RULER_AT[0] - 10 + x // block, RULER_AT[1] - 10 + y // block))
    canvas.frame(10 * block, 10 * block, 11 * block - 1, 11 * block - 1, (255, 0, 0))
    return canvas


# --- ImageMagick: text and JPEG ----------------------------------------------------------------------------------


def find_convert():
    for name in ("convert", "magick"):
        for folder in os.environ.get("PATH", "").split(os.pathsep):
            path = os.path.join(folder, name)
            if os.access(path, os.X_OK):
                return path
    sys.exit("make_images: ImageMagick's convert is needed for the JPEG pictures")


CONVERT = find_convert()


def run_convert(args):
    subprocess.run([CONVERT] + args, check=True)


def text_width(font, size, text):
    """Advance width in pixels of text set in font at size pixels, as ImageMagick's FreeType renderer sets it."""
    result = subprocess.run([CONVERT, "-debug", "annotate", "xc:", "-font", font, "-pointsize", str(size),
                             "-annotate", "0", magick_text(text), "null:"], capture_output=True, text=True,
                            check=True)
    for part in result.stderr.split(";"):
        part = part.strip()
        if part.startswith("width:"):
            return int(float(part.split(":")[1]))
    raise RuntimeError("no text metrics for %r" % text)


def magick_text(text):
    return text.replace("%", "%%")  # -annotate reads % as the start of an image property


class Lettering:
    """A list of texts for one convert call; x, y are the left end of the baseline."""

    def __init__(self):
        self.args = []

    def add(self, x, y, text, font=FONT, size=11, colour=(0, 0, 0), rotate=0):
        fill = "rgb(%d,%d,%d)" % colour
        angle = "%dx%d" % (rotate, rotate)
        self.args += ["-font", font, "-pointsize", str(size), "-fill", fill, "-stroke", "none",
                      "-annotate", "%s+%d+%d" % (angle, x, y), magick_text(text)]


def letter_png(canvas, lettering, work, name, resize=None):
    """Sets the texts onto canvas (optionally after resizing it to resize = (w, h)) and reads the result back."""
    source = os.path.join(work, name + "-in.png")
    target = os.path.join(work, name + "-out.png")
    with open(source, "wb") as f:
        f.write(png_rgba(canvas))
    args = [source]
    if resize:
        args += ["-filter", "Lanczos", "-resize", "%dx%d!" % resize]
    run_convert(args + lettering.args + ["-define", "png:exclude-chunks=date,time", "PNG32:" + target])
    with open(target, "rb") as f:
        return read_png(f.read())


def write_jpeg(canvas, lettering, work, name, path, quality):
    """Encodes canvas (with lettering on top) as a baseline JPEG with three components, 4:4:4 so that thin red and
    grey lines keep their colour, and no metadata."""
    source = os.path.join(work, name + ".png")
    with open(source, "wb") as f:
        f.write(png_rgba(canvas))
    run_convert([source] + lettering.args + ["-alpha", "off", "-strip", "-interlace", "none", "-sampling-factor",
                                             "1x1", "-quality", str(quality), "-type", "TrueColor",
                                             "JPEG:" + path])


# The main window lays labels of exactly PanelGrey and LowerPanelGrey onto its background, so that picture is stored
# at quality 100: its flat greys come back within one step (at 95 the rows next to a line ring by up to 7). The flat
# picture stays near 11 KB all the same. The guide is only looked at; 95 keeps it sharp at a third of the size.
BACKGROUND_QUALITY = 100
GUIDE_QUALITY = 95
# The 200 % guide, from which the program also reduces the guide for 125 to 175 %: its size counts in the program's.
LARGE_GUIDE_QUALITY = 90


# --- the main window as the short guide shows it -----------------------------------------------------------------

WINDOW_SIZE = (272, 498)  # 1-pixel frame, 30-pixel title bar, 20-pixel menu bar, 270 x 446 controls area
TITLE_HEIGHT = 30
MENU_HEIGHT = 20
CLIENT_AT = (1, 1 + TITLE_HEIGHT + MENU_HEIGHT)
WINDOW_FRAME = (110, 110, 110)
BUTTON_FACE = (225, 225, 225)
BUTTON_BORDER = (173, 173, 173)
EDGE_SHADOW = (160, 160, 160)
WHITE = (255, 255, 255)
RADIO_INK = (51, 51, 51)
MENU_ITEMS = ["Datei", "Einstellungen", "Hilfe"]

BUTTON_ICONS = {
    "GrowTopButton": "plus.ico", "GrowRightButton": "plus.ico", "GrowBottomButton": "plus.ico",
    "GrowLeftButton": "plus.ico", "ShrinkTopButton": "minus.ico", "ShrinkRightButton": "minus.ico",
    "ShrinkBottomButton": "minus.ico", "ShrinkLeftButton": "minus.ico", "MoveUpButton": "arrow-up.ico",
    "MoveRightButton": "arrow-right.ico", "MoveDownButton": "arrow-down.ico", "MoveLeftButton": "arrow-left.ico",
}
CORNER_OPTIONS = ["CornerTopLeftOption", "CornerTopRightOption", "CornerBottomRightOption", "CornerBottomLeftOption"]


def sunken_edge(canvas, x, y, w, h):
    """The one-pixel static edge: shadow on top and left, white on bottom and right."""
    canvas.hline(x, x + w - 1, y, EDGE_SHADOW)
    canvas.vline(x, y, y + h - 1, EDGE_SHADOW)
    canvas.hline(x + 1, x + w - 1, y + h - 1, WHITE)
    canvas.vline(x + w - 1, y + 1, y + h - 1, WHITE)


def draw_caption_buttons(canvas, dpi):
    width, rim, line = canvas.width, line_width(dpi), line_width(dpi)
    glyph_y = rim + edge(TITLE_HEIGHT, dpi) // 2
    g = edge(5, dpi)
    for k, kind in enumerate(("minimise", "maximise", "close")):
        cx = width - rim - edge(46 * (3 - k), dpi) + edge(23, dpi)
        for j in range(line):
            if kind == "minimise":
                canvas.hline(cx - g, cx + g - 1, glyph_y + j, (0, 0, 0))
            elif kind == "maximise":  # the window has no maximise box: shown greyed out
                canvas.frame(cx - g + j, glyph_y - g + j, cx + g - 1 - j, glyph_y + g - 1 - j, (204, 204, 204))
        if kind == "close":
            draw_line(canvas, cx - g, glyph_y - g, cx + g, glyph_y + g, (0, 0, 0), width=float(line))
            draw_line(canvas, cx + g, glyph_y - g, cx - g, glyph_y + g, (0, 0, 0), width=float(line))


def draw_main_window(background, icons, program_icon, dpi=96):
    """The main window as it stands at dpi, without its texts; returns the canvas and the texts with their places.
    background and icons are the ones drawn for dpi."""
    s = dpi / 96.0
    rim = line_width(dpi)
    width, height = edge(WINDOW_SIZE[0], dpi), edge(WINDOW_SIZE[1], dpi)
    title, menu = edge(TITLE_HEIGHT, dpi), edge(MENU_HEIGHT, dpi)
    canvas = Canvas(width, height, WHITE)
    cx0, cy0 = rim, rim + title + menu
    for y in range(edge(446, dpi)):
        for x in range(edge(270, dpi)):
            canvas.put(cx0 + x, cy0 + y, background.get(x, y))
    for j in range(rim):
        canvas.frame(j, j, width - 1 - j, height - 1 - j, WINDOW_FRAME)
    canvas.paste(program_icon, edge(8, dpi), rim + (title - program_icon.height) // 2)
    draw_caption_buttons(canvas, dpi)

    texts = [(edge(30, dpi), rim + edge(20, dpi), "Tessaro", edge(12, dpi), (0, 0, 0), "left")]
    x = edge(9, dpi)
    for item in MENU_ITEMS:
        texts.append((x, rim + title + edge(14, dpi), item, edge(11, dpi), (0, 0, 0), "left"))
        x += text_width(FONT, edge(11, dpi), item) + edge(16, dpi)

    def at(name):
        x, y, w, h = scaled_box(*(UPPER_CONTROLS.get(name) or LOWER_CONTROLS[name]), dpi)
        return cx0 + x, cy0 + y, w, h

    sunken_edge(canvas, *at("TopSeparator")[:2], edge(270, dpi), edge(2, dpi))
    left, top, side = magnifier_frame(dpi)
    sunken_edge(canvas, cx0 + left, cy0 + top, side, side)
    canvas.paste(draw_magnifier_view(magnifier_block(dpi)), cx0 + left + 1, cy0 + top + 1)
    for name, icon in BUTTON_ICONS.items():
        x, y, w, h = at(name)
        canvas.fill(x, y, x + w, y + h, BUTTON_FACE)
        for j in range(rim):
            canvas.frame(x + j, y + j, x + w - 1 - j, y + h - 1 - j, BUTTON_BORDER)
        picture = icons[icon]
        canvas.paste(picture, x + (w - picture.width) // 2, y + (h - picture.height) // 2)
    for name in CORNER_OPTIONS:
        x, y, w, h = at(name)
        mx, my = x + 6.5 * s, y + 7.5 * s
        canvas.shape(in_circle(mx, my, 6.5 * s), (x, y, x + w, y + h), RADIO_INK)
        canvas.shape(in_circle(mx, my, 5.5 * s), (x, y, x + w, y + h), WHITE)
        if name == "CornerTopLeftOption":
            canvas.shape(in_circle(mx, my, 3.0 * s), (x, y, x + w, y + h), RADIO_INK)
    x, y, w, h = at("ColourSwatch")
    canvas.fill(x, y, x + w, y + h, SCENE_BLUE)

    for name, text in SCENE_TEXTS.items():
        x, y, w, _ = at(name)
        colour = LABEL_TEXT_GREY if name in GREY_TEXT else (0, 0, 0)
        texts.append((x + w if name in RIGHT_ALIGNED else x, y + edge(11, dpi), text, edge(11, dpi), colour,
                      "right" if name in RIGHT_ALIGNED else "left"))
    return canvas, texts


def guide_window_size(dpi):
    return edge(GUIDE_WINDOW_SIZE[0], dpi), edge(GUIDE_WINDOW_SIZE[1], dpi)


def scaled_main_window(background, icons, program_icon, work, dpi=96, panel_dpi=96):
    """The main window as drawn at panel_dpi, reduced to the guide's picture of it at dpi; its texts are set after
    the reduction so that they stay sharp."""
    canvas, texts = draw_main_window(background, icons, program_icon, panel_dpi)
    target = guide_window_size(dpi)
    sx = target[0] / canvas.width
    sy = target[1] / canvas.height
    lettering = Lettering()
    for x, y, text, size, colour, align in texts:
        size = round(size * sx)
        x = x * sx
        if align == "right":
            x -= text_width(FONT, size, text)
        lettering.add(int(round(x)), int(round(y * sy)), text, size=size, colour=colour)
    return letter_png(canvas, lettering, work, "main-window", resize=target)


# --- the ruler window as the short guide shows it -----------------------------------------------------------------


def draw_ruler(hand, dpi=96):
    """The ruler window opaque, with its scales' ticks and the hand, as the guide shows it at dpi; numbers and labels
    are lettered on later."""
    width, height = RULER_SIZE
    w, h, line = edge(width, dpi), edge(height, dpi), line_width(dpi)
    canvas = Canvas(w, h, RULER_GREY)
    ink = (0, 0, 0)
    for u in range(width):
        depth = edge(scale_tick(u + 1), dpi)
        if depth:
            canvas.fill(edge(u, dpi), 0, edge(u, dpi) + line, depth, ink)
            canvas.fill(edge(u, dpi), h - depth, edge(u, dpi) + line, h, ink)
    for v in range(height):
        depth = edge(scale_tick(v + 1), dpi)
        if depth:
            canvas.fill(0, edge(v, dpi), depth, edge(v, dpi) + line, ink)
            canvas.fill(w - depth, edge(v, dpi), w, edge(v, dpi) + line, ink)
    hx, hy = w // 2 - edge(9, dpi), h // 2 - edge(9, dpi)
    for y in range(hand.height):
        for x in range(hand.width):
            colour = hand.get(x, y)
            if colour[3]:
                canvas.fill(hx + edge(x, dpi), hy + edge(y, dpi), hx + edge(x + 1, dpi), hy + edge(y + 1, dpi), colour)
    canvas.fill(0, 0, edge(1, dpi), edge(1, dpi), (0, 0, 0, 0))  # the peephole on the selected corner
    return canvas


def letter_ruler(canvas, work, dpi=96):
    width, height = RULER_SIZE
    w, h = canvas.width, canvas.height
    small, bold = edge(9, dpi), edge(12, dpi)
    lettering = Lettering()
    for d in range(50, width + 1, 50):
        lettering.add(edge(d + 1, dpi), edge(14, dpi), str(d), size=small)
        lettering.add(edge(d + 1, dpi), h - edge(8, dpi), str(d), size=small)
    for d in range(50, height + 1, 50):
        lettering.add(edge(7, dpi), edge(d + 1, dpi), str(d), size=small, rotate=90)
        lettering.add(w - edge(9, dpi), edge(d + 1, dpi), str(d), size=small, rotate=90)
    lettering.add(edge(17, dpi), edge(27, dpi), "1", font=FONT_BOLD, size=bold)
    label = str(width)
    lettering.add(w - edge(17, dpi) - text_width(FONT_BOLD, bold, label), edge(27, dpi), label, font=FONT_BOLD,
                  size=bold)
    lettering.add(edge(17, dpi), h - edge(19, dpi), str(height), font=FONT_BOLD, size=bold)
    return letter_png(canvas, lettering, work, "ruler")


# --- short guide ---------------------------------------------------------------------------------------------------

GUIDE_SIZE = (680, 450)
GUIDE_WINDOW_AT = (10, 26)
GUIDE_WINDOW_SIZE = (218, 398)
GUIDE_RULER_AT = (530, 69)
GUIDE_TEXT_X = 246
GUIDE_TEXT_SIZE = 11
GUIDE_TEXT_INK = (34, 34, 34)
GUIDE_LINE_STEP = 14
CALLOUT_RED = (214, 32, 32)

def M(x, y):
    """A point in the main window's controls area (the coordinates of its control table)."""
    return ("main", x, y)


def R(x, y):
    """A point inside the ruler window."""
    return ("ruler", x, y)


# The thirteen callouts, top to bottom: the top of their text, their text lines and the strokes that join them to
# the pictures. A "to" stroke starts at the text (on its left for the main window, on its right for the ruler), a
# "link" stands alone; both end in a dot. A "bar" is a link without the dot. Strokes bend at their inner points. The
# links and bars are brackets that take a callout on to a second field of the same kind; the
# height callout's stroke to the main window runs in the free row between the height field and the ruler drawing.
CALLOUTS = [
    (22, ["Linealposition X (Abstand vom linken Bildschirmrand, beginnend bei 0)"],
     [("to", [M(221, 33)]), ("link", [M(221, 33), M(221, 43), M(56, 43), M(56, 40)])]),
    (48, ["Linealposition Y (Abstand vom oberen Bildschirmrand, beginnend bei 0)"],
     [("to", [M(252, 59)]), ("link", [M(252, 59), M(265, 59), M(265, 198), M(252, 198)])]),
    (74, ["Breite des Lineals (Anzahl Pixel, beginnend bei 1)"],
     [("to", [M(220, 59)]), ("to", [R(96, 23)])]),
    (100, ["Breite des Lineals um 1 Pixel verkleinern"], [("to", [M(187, 117)])]),
    (126, ["Breite des Lineals um 1 Pixel vergrössern"], [("to", [M(208, 117)])]),
    (152, ["Position des des Lineals um 1 Pixel verschieben"], [("to", [M(239, 117)])]),
    (178, ["Lupe (Vergrösserung der ausgewählten Linealecke)"], [("to", [M(150, 150)])]),
    (204, ["Diese Ecke der Lupe vergrössert anzeigen"], [("to", [M(180, 173)])]),
    (230, ["Höhe des Lineals (Anzahl Pixel, beginnend bei 1)"],
     [("to", [M(262, 207), M(56, 207)]), ("to", [R(14, 131)])]),
    (256, ["Lineal durch ziehen der Kanten und Ecken vergrössern und verkleinern"],
     [("to", [R(0, 149)]), ("to", [R(56, 149)])]),
    (282, ["Lineal durch ziehen im Innenbereich verschieben"], [("to", [R(82, 219), R(82, 112)])]),
    (320, ["Farbe unter dem ausgewählten Eckpunkt des Lineals",
           "(auf einen Wert klicken um diesen in die Zwischenablage zu kopieren)"],
     [("to", [M(158, 331)]), ("to", [M(232, 324)])]),
    (374, ["Fensterinformationen des unter dem Eckpunkt liegenden Fensters",
           "(auf einen Wert klicken um diesen in die Zwischenablage zu kopieren)"],
     [("bar", [M(244, 358), M(252, 358), M(252, 432), M(244, 432)]), ("to", [M(252, 395)])]),
]


def guide_point(point, dpi=96):
    where, x, y = point
    s = dpi / 96.0
    if where == "ruler":
        return edge(GUIDE_RULER_AT[0], dpi) + (x + 0.5) * s, edge(GUIDE_RULER_AT[1], dpi) + (y + 0.5) * s
    sx = GUIDE_WINDOW_SIZE[0] / WINDOW_SIZE[0]
    sy = GUIDE_WINDOW_SIZE[1] / WINDOW_SIZE[1]
    return ((GUIDE_WINDOW_AT[0] + (CLIENT_AT[0] + x) * sx) * s, (GUIDE_WINDOW_AT[1] + (CLIENT_AT[1] + y) * sy) * s)


def soft_shadow(canvas, box, reach=6, strength=70, offset=(2, 3)):
    """A blurred dark margin round box (x0, y0, x1, y1, end exclusive), shifted by offset."""
    x0, y0, x1, y1 = (box[0] + offset[0], box[1] + offset[1], box[2] + offset[0], box[3] + offset[1])
    for y in range(y0 - reach, y1 + reach):
        for x in range(x0 - reach, x1 + reach):
            dx = max(x0 - x, 0, x - (x1 - 1))
            dy = max(y0 - y, 0, y - (y1 - 1))
            d = (dx * dx + dy * dy) ** 0.5
            if d < reach:
                canvas.blend(x, y, (0, 0, 0, strength), (1.0 - d / reach) ** 2)


def guide_size(dpi):
    """The picture fills the guide's image control, a box of the 96-dpi layout at (10, 10) scaled to dpi."""
    return edge(10 + GUIDE_SIZE[0], dpi) - edge(10, dpi), edge(10 + GUIDE_SIZE[1], dpi) - edge(10, dpi)


def draw_guide(window, ruler, work, dpi=96):
    s = dpi / 96.0
    width, height = guide_size(dpi)
    canvas = Canvas(width, height, WHITE)

    # The desktop under the ruler: the blue bar, then the ruler at its window opacity.
    rx, ry = edge(GUIDE_RULER_AT[0], dpi), edge(GUIDE_RULER_AT[1], dpi)
    x0, y0, x1, y1 = SCENE_BLUE_BOX
    canvas.fill(rx + edge(x0 - RULER_AT[0], dpi), ry + edge(y0 - RULER_AT[1], dpi), rx + edge(x1 - RULER_AT[0], dpi),
                ry + edge(y1 - RULER_AT[1], dpi), SCENE_BLUE)
    canvas.paste(ruler, rx, ry, opacity=RULER_ALPHA / 255.0)

    wx, wy = edge(GUIDE_WINDOW_AT[0], dpi), edge(GUIDE_WINDOW_AT[1], dpi)
    soft_shadow(canvas, (wx, wy, wx + window.width, wy + window.height), reach=edge(6, dpi),
                offset=(edge(2, dpi), edge(3, dpi)))
    canvas.paste(window, wx, wy)

    text_x, text_size = edge(GUIDE_TEXT_X, dpi), edge(GUIDE_TEXT_SIZE, dpi)
    lettering = Lettering()
    for row_top, lines, strokes in CALLOUTS:
        widest = 0
        for k, line in enumerate(lines):
            lettering.add(text_x, edge(row_top + k * GUIDE_LINE_STEP + 10, dpi), line, size=text_size,
                          colour=GUIDE_TEXT_INK)
            widest = max(widest, text_width(FONT, text_size, line))
        anchor_y = (row_top + 6.5 + (len(lines) - 1) * GUIDE_LINE_STEP / 2.0) * s
        for kind, path in strokes:
            points = [guide_point(p, dpi) for p in path]
            if kind == "to":
                left = path[0][0] == "main"
                points.insert(0, ((GUIDE_TEXT_X - 4.0) * s if left else text_x + widest + 6.0 * s, anchor_y))
            for a, b in zip(points, points[1:]):
                draw_line(canvas, a[0], a[1], b[0], b[1], CALLOUT_RED, width=1.0 * s)
            if kind == "bar":
                continue
            ex, ey = points[-1]
            canvas.shape(in_circle(ex, ey, 2.2 * s),
                         (int(ex) - int(4 * s), int(ey) - int(4 * s), int(ex) + int(5 * s), int(ey) + int(5 * s)),
                         CALLOUT_RED)
    return canvas, lettering


# --- all pictures --------------------------------------------------------------------------------------------------


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def program_icon(work, root, index=0):
    """The program's own icon (tools/icons/make_program_icon.sh) for the title bar of the drawn main window: its
    16-pixel image (index 0), or its 32-pixel one (index 1)."""
    path = os.path.join(root, "resources", "tessaro.ico")
    if not os.path.exists(path):
        sys.exit("make_images: %s is missing; the guide shows it in the main window's title bar" % path)
    target = os.path.join(work, "program-icon-%d.png" % index)
    run_convert([path + "[%d]" % index, "-define", "png:exclude-chunks=date,time", "PNG32:" + target])
    with open(target, "rb") as f:
        return read_png(f.read())


def main():
    for font in (FONT, FONT_BOLD):
        # convert would fall back to another typeface without failing, and the pictures would change silently.
        if not os.path.exists(font):
            sys.exit("make_images: %s is missing (Debian package fonts-liberation)" % font)
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "images")
    os.makedirs(out, exist_ok=True)

    hand = draw_hand()
    write(os.path.join(out, "ruler-hand.png"), png_rgba(hand))
    icons = draw_icons()
    for dpi in SCALE_DPIS:
        for name, canvas in draw_icons(dpi).items():
            write(os.path.join(out, scaled_name(name, dpi)), ico_rgba(canvas))
    # The program draws the start picture for every other block size from these 3 x 3 cells.
    write(os.path.join(out, "magnifier.bmp"), bmp_rgb24(draw_magnifier()))

    with tempfile.TemporaryDirectory(prefix="tessaro-images-") as work:
        for dpi in SCALE_DPIS:
            name = scaled_name("main-background.jpg", dpi)
            write_jpeg(draw_main_background(dpi), Lettering(), work, name, os.path.join(out, name), BACKGROUND_QUALITY)
        # The guide shows the main window reduced: at 96 dpi the panel as drawn for 96 dpi, larger from the panel as
        # drawn for 200 %, so that the picture is always a reduction.
        panels = {96: (draw_main_background(), icons, program_icon(work, root, 0)),
                  192: (draw_main_background(192), draw_icons(192), program_icon(work, root, 1))}
        # The program reduces the 200 % guide for the scales between, so only these two are drawn.
        for dpi in (96, 192):
            panel_dpi = 96 if dpi == 96 else 192
            window = scaled_main_window(*panels[panel_dpi], work, dpi, panel_dpi)
            ruler = letter_ruler(draw_ruler(hand, dpi), work, dpi)
            guide, lettering = draw_guide(window, ruler, work, dpi)
            name = scaled_name("short-guide.jpg", dpi)
            write_jpeg(guide, lettering, work, name, os.path.join(out, name),
                       GUIDE_QUALITY if dpi == 96 else LARGE_GUIDE_QUALITY)


if __name__ == "__main__":
    main()
