"""Small pixel canvas and the PNG, BMP and ICO writers used by make_images.py.

Everything here is plain Python with integer results, so the same drawing always gives the same bytes.
Colours are (red, green, blue) or (red, green, blue, alpha) tuples; alpha is straight, not premultiplied.
"""

import struct
import zlib


def _rgba(colour):
    return tuple(colour) if len(colour) == 4 else (colour[0], colour[1], colour[2], 255)


class Canvas:
    """An RGBA picture, rows top to bottom, 4 bytes per pixel."""

    def __init__(self, width, height, colour=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.data = bytearray(bytes(_rgba(colour)) * (width * height))

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def get(self, x, y):
        i = 4 * (y * self.width + x)
        return tuple(self.data[i:i + 4])

    def put(self, x, y, colour):
        if self.inside(x, y):
            i = 4 * (y * self.width + x)
            self.data[i:i + 4] = bytes(_rgba(colour))

    def blend(self, x, y, colour, cover=1.0):
        """Lays colour over the pixel ("over" operator); cover scales the colour's own alpha."""
        if not self.inside(x, y) or cover <= 0.0:
            return
        r, g, b, a = _rgba(colour)
        sa = a / 255.0 * min(cover, 1.0)
        i = 4 * (y * self.width + x)
        dr, dg, db, da = self.data[i:i + 4]
        da = da / 255.0
        oa = sa + da * (1.0 - sa)
        if oa <= 0.0:
            self.data[i:i + 4] = b"\0\0\0\0"
            return
        keep = da * (1.0 - sa)
        out = [int((s * sa + d * keep) / oa + 0.5) for s, d in ((r, dr), (g, dg), (b, db))]
        self.data[i:i + 4] = bytes(out + [int(oa * 255.0 + 0.5)])

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the box from (x0, y0) inclusive to (x1, y1) exclusive, replacing what was there."""
        px = bytes(_rgba(colour))
        for y in range(max(y0, 0), min(y1, self.height)):
            a, b = max(x0, 0), min(x1, self.width)
            if a < b:
                i = 4 * (y * self.width + a)
                self.data[i:i + 4 * (b - a)] = px * (b - a)

    def hline(self, x0, x1, y, colour):
        """Horizontal line covering x0..x1 inclusive."""
        self.fill(min(x0, x1), y, max(x0, x1) + 1, y + 1, colour)

    def vline(self, x, y0, y1, colour):
        """Vertical line covering y0..y1 inclusive."""
        self.fill(x, min(y0, y1), x + 1, max(y0, y1) + 1, colour)

    def frame(self, x0, y0, x1, y1, colour):
        """Outline of the box whose corner pixels are (x0, y0) and (x1, y1)."""
        self.hline(x0, x1, y0, colour)
        self.hline(x0, x1, y1, colour)
        self.vline(x0, y0, y1, colour)
        self.vline(x1, y0, y1, colour)

    def diagonal(self, x0, y0, x1, y1, colour):
        """A 45-degree staircase line, one pixel per row, both end pixels included."""
        n = abs(x1 - x0)
        assert n == abs(y1 - y0), "only 45-degree lines"
        sx = 1 if x1 >= x0 else -1
        sy = 1 if y1 >= y0 else -1
        for k in range(n + 1):
            self.put(x0 + sx * k, y0 + sy * k, colour)

    def shape(self, covers, box, colour, samples=4):
        """Anti-aliased fill: covers(x, y) says whether a point lies in the shape; box = x0, y0, x1, y1
        (pixels, end exclusive) bounds the work. Each pixel gets the share of its samples x samples
        sub-points that lie inside."""
        x0, y0, x1, y1 = box
        step = 1.0 / samples
        offsets = [(k + 0.5) * step for k in range(samples)]
        total = samples * samples
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                hits = sum(1 for oy in offsets for ox in offsets if covers(x + ox, y + oy))
                if hits:
                    self.blend(x, y, colour, hits / total)

    def paste(self, other, x, y, opacity=1.0):
        """Lays another canvas over this one with its top-left corner at (x, y)."""
        for v in range(other.height):
            for u in range(other.width):
                c = other.get(u, v)
                if c[3]:
                    self.blend(x + u, y + v, c, opacity)

    def rows(self):
        stride = 4 * self.width
        return [bytes(self.data[y * stride:(y + 1) * stride]) for y in range(self.height)]


# --- geometry for Canvas.shape ------------------------------------------------------------------------------------


def in_polygon(points):
    """Even-odd test for a closed polygon given as (x, y) corners."""

    def covers(x, y):
        inside = False
        n = len(points)
        for k in range(n):
            ax, ay = points[k]
            bx, by = points[(k + 1) % n]
            if (ay > y) != (by > y):
                cross = ax + (y - ay) * (bx - ax) / (by - ay)
                if x < cross:
                    inside = not inside
        return inside

    return covers


def in_circle(cx, cy, radius):
    r2 = radius * radius
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2


def in_capsule(ax, ay, bx, by, radius):
    """Points within radius of the segment from (ax, ay) to (bx, by): a line with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    r2 = radius * radius

    def covers(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= r2

    return covers


def any_of(*tests):
    return lambda x, y: any(t(x, y) for t in tests)


def draw_line(canvas, ax, ay, bx, by, colour, width=1.0, samples=4):
    """Anti-aliased straight line with round ends; coordinates are in pixel units, so a line through
    pixel centres at y + 0.5 with width 1 comes out as one crisp row."""
    radius = width / 2.0
    covers = in_capsule(ax, ay, bx, by, radius)
    x0, x1 = int(min(ax, bx) - radius) - 1, int(max(ax, bx) + radius) + 2
    y0, y1 = int(min(ay, by) - radius) - 1, int(max(ay, by) + radius) + 2
    dx, dy = bx - ax, by - ay
    length = (dx * dx + dy * dy) ** 0.5 or 1.0
    # Only pixels near the segment are sampled; long diagonals would otherwise cost their whole box.
    for y in range(max(y0, 0), min(y1, canvas.height)):
        for x in range(max(x0, 0), min(x1, canvas.width)):
            cx, cy = x + 0.5, y + 0.5
            t = max(0.0, min(1.0, ((cx - ax) * dx + (cy - ay) * dy) / (length * length)))
            if (ax + t * dx - cx) ** 2 + (ay + t * dy - cy) ** 2 > (radius + 1.0) ** 2:
                continue
            canvas.shape(covers, (x, y, x + 1, y + 1), colour, samples)


# --- file writers --------------------------------------------------------------------------------------------------


def _png_chunk(kind, payload):
    body = kind + payload
    return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_rgba(canvas):
    """PNG, 8 bits per channel, colour type 6 (RGBA), no ancillary chunks (no time, no gamma)."""
    raw = b"".join(b"\0" + row for row in canvas.rows())
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header) + _png_chunk(b"IDAT", zlib.compress(raw, 9)) +
            _png_chunk(b"IEND", b""))


def bmp_rgb24(canvas):
    """Complete BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, 24-bit BGR rows bottom-up, each padded to 4 bytes."""
    stride = (canvas.width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b, _ = canvas.get(x, y)
            row += bytes((b, g, r))
        pixels += row + b"\0" * (stride - len(row))
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return file_header + info + bytes(pixels)


def ico_rgba(canvas):
    """Complete icon file with one 32-bit image: ICONDIR, one ICONDIRENTRY, BITMAPINFOHEADER (height doubled for
    the XOR and AND parts), BGRA rows bottom-up, then the 1-bit AND mask (set where the pixel is fully transparent),
    rows padded to 4 bytes."""
    w, h = canvas.width, canvas.height
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = canvas.get(x, y)
            if a == 0:
                r = g = b = 0
                bits[x // 8] |= 0x80 >> (x % 8)
            xor += bytes((b, g, r, a))
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def read_png(data):
    """Reads back an 8-bit, non-interlaced RGB or RGBA PNG (what ImageMagick writes for PNG24: and PNG32:)."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos = 8
    idat = b""
    width = height = channels = 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        payload = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", payload)
            assert depth == 8 and colour_type in (2, 6) and interlace == 0, "unsupported PNG layout"
            channels = 4 if colour_type == 6 else 3
        elif kind == b"IDAT":
            idat += payload
    raw = zlib.decompress(idat)
    stride = width * channels
    canvas = Canvas(width, height)
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        row = bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                row[i] = (row[i] + pred) & 0xFF
        for x in range(width):
            px = row[x * channels:(x + 1) * channels]
            canvas.put(x, y, tuple(px) if channels == 4 else (px[0], px[1], px[2], 255))
        previous = row
    return canvas
