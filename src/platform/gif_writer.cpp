#include "gif_writer.h"

#include "output_file.h"
#include "palette.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <gif_lib.h>
#include <limits>
#include <numeric>
#include <vector>

namespace {

// GIF stores delays in centiseconds, at most 65535; most viewers replace delays below 2 cs by
// their own (often 10 cs), so 2 cs is the shortest delay that plays as written.
int centiseconds(int delay_ms)
{
    return std::clamp((std::clamp(delay_ms, 0, 655350) + 5) / 10, 2, 65535);
}

// The bounding rectangle of the pixels that differ between two images of one size, or an
// empty rectangle when they are equal.
QRect changed_rect(const QImage &previous, const QImage &current)
{
    const int width = current.width();
    const int height = current.height();
    const auto row_bytes = std::size_t(width) * sizeof(QRgb);
    auto differs = [&](int y) {
        return std::memcmp(previous.constScanLine(y), current.constScanLine(y), row_bytes) != 0;
    };
    int top = 0;
    while (top < height && !differs(top))
        ++top;
    if (top == height)
        return {};
    int bottom = height - 1;
    while (!differs(bottom))
        --bottom;
    // Each row only needs scanning outside the columns already known to change.
    int left = width;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(previous.constScanLine(y));
        const auto *c = reinterpret_cast<const QRgb *>(current.constScanLine(y));
        for (int x = 0; x < left; ++x)
            if (p[x] != c[x]) {
                left = x;
                break;
            }
        for (int x = width - 1; x > right; --x)
            if (p[x] != c[x]) {
                right = x;
                break;
            }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Distinct colours with a number each: first how often the colour occurs, later its index in
// the colour table. Open addressing on the 24 colour bits; a frame of a drawing has a few
// thousand colours at most, so the table stays in the cache.
class ColourCounts
{
public:
    ColourCounts() { slots_.assign(std::size_t(1) << bits_, Slot { empty, 0 }); }

    // The number kept for this colour, a new colour starting at 0.
    std::uint32_t &operator[](QRgb colour)
    {
        const std::uint32_t key = colour & 0xFFFFFFu;
        std::size_t i = position(key);
        if (slots_[i].key == key)
            return slots_[i].value;
        if (2 * (size_ + 1) > slots_.size()) {
            grow();
            i = position(key);
        }
        slots_[i] = Slot { key, 0 };
        ++size_;
        return slots_[i].value;
    }

    std::size_t size() const { return size_; }

    template <typename F> void for_each(F f)
    {
        for (auto &slot : slots_)
            if (slot.key != empty)
                f(slot.key, slot.value);
    }

private:
    struct Slot
    {
        std::uint32_t key;
        std::uint32_t value;
    };
    static constexpr std::uint32_t empty = 0xFFFFFFFFu;

    std::size_t position(std::uint32_t key) const
    {
        // Multiplicative hashing with a prime near 2^32 / phi: the product's top bits spread
        // neighbouring colours apart.
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = std::size_t((key * 0x9E3779B1u) >> (32 - bits_));
        while (slots_[i].key != empty && slots_[i].key != key)
            i = (i + 1) & mask;
        return i;
    }

    void grow()
    {
        ++bits_;
        std::vector<Slot> old(std::size_t(1) << bits_, Slot { empty, 0 });
        old.swap(slots_);
        for (const Slot &slot : old)
            if (slot.key != empty)
                slots_[position(slot.key)] = slot;
    }

    int bits_ = 10;
    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

struct WeightedColour
{
    std::uint32_t colour; // 0xRRGGBB
    std::uint32_t count;
    bool in_palette = false;
};

int channel(std::uint32_t colour, int c) { return int((colour >> (16 - 8 * c)) & 0xFFu); }

// Pixel-weighted sums of a set of colours: enough for their mean and their spread.
struct Moments
{
    double weight = 0;
    std::array<double, 3> sum {};
    std::array<double, 3> squares {};

    void add(const WeightedColour &c)
    {
        const double w = c.count;
        weight += w;
        for (int k = 0; k < 3; ++k) {
            const double v = channel(c.colour, k);
            sum[k] += w * v;
            squares[k] += w * v * v;
        }
    }
    Moments &operator+=(const Moments &o)
    {
        weight += o.weight;
        for (int k = 0; k < 3; ++k) {
            sum[k] += o.sum[k];
            squares[k] += o.squares[k];
        }
        return *this;
    }
    Moments operator-(const Moments &o) const
    {
        Moments d;
        d.weight = weight - o.weight;
        for (int k = 0; k < 3; ++k) {
            d.sum[k] = sum[k] - o.sum[k];
            d.squares[k] = squares[k] - o.squares[k];
        }
        return d;
    }
    // Sum over the pixels of the squared distance to the mean along one channel.
    double spread(int k) const { return weight > 0 ? squares[k] - sum[k] * sum[k] / weight : 0; }
    double spread() const { return spread(0) + spread(1) + spread(2); }
    std::uint32_t mean() const
    {
        std::uint32_t colour = 0;
        for (int k = 0; k < 3; ++k)
            colour = (colour << 8) | std::uint32_t(std::lround(sum[k] / weight));
        return colour;
    }
};

struct Box
{
    std::size_t begin;
    std::size_t end;
    Moments moments;
};

// Splits colours[begin, end) into at most `count` boxes and returns each box's mean. Each step
// cuts the box with the largest squared error across its widest channel, at the channel value
// where the two halves' squared errors add up least, so the entries settle where many pixels
// need them.
std::vector<std::uint32_t> variance_cut(
    std::vector<WeightedColour> &colours, std::size_t begin, std::size_t end, std::size_t count)
{
    std::vector<Box> boxes;
    if (begin < end) {
        Box all { begin, end, {} };
        for (std::size_t i = begin; i < end; ++i)
            all.moments.add(colours[i]);
        boxes.push_back(all);
    }
    std::array<Moments, 256> by_value;
    while (boxes.size() < count) {
        const auto worst = std::max_element(boxes.begin(), boxes.end(),
            [](const Box &a, const Box &b) { return a.moments.spread() < b.moments.spread(); });
        if (worst->moments.spread() <= 0)
            break;
        const Box box = *worst;
        int widest = 0;
        for (int k = 1; k < 3; ++k)
            if (box.moments.spread(k) > box.moments.spread(widest))
                widest = k;
        // A spread along the widest channel means at least two values there, so a cut exists.
        const auto first = colours.begin() + std::ptrdiff_t(box.begin);
        const auto last = colours.begin() + std::ptrdiff_t(box.end);
        by_value.fill(Moments {});
        for (auto i = first; i != last; ++i)
            by_value[std::size_t(channel(i->colour, widest))].add(*i);
        Moments below;
        Moments best_below;
        int best_value = 0;
        double least = std::numeric_limits<double>::max();
        for (int v = 0; v < 255; ++v) {
            below += by_value[std::size_t(v)];
            if (below.weight == 0 || below.weight == box.moments.weight)
                continue;
            const double error = below.spread() + (box.moments - below).spread();
            if (error < least) {
                least = error;
                best_value = v;
                best_below = below;
            }
        }
        const auto middle = std::partition(first, last,
            [&](const WeightedColour &c) { return channel(c.colour, widest) <= best_value; });
        const auto cut = box.begin + std::size_t(middle - first);
        *worst = Box { box.begin, cut, best_below };
        boxes.push_back(Box { cut, box.end, box.moments - best_below });
    }
    std::vector<std::uint32_t> means;
    for (const Box &b : boxes)
        means.push_back(b.moments.mean());
    return means;
}

// A colour table in three arrays of 256 entries, unused ones far from every colour. The
// distance is the sum of the channels' absolute differences, the error that the recording is
// judged by; it fits 16 bits, so the compiler measures many entries at a time.
class NearestEntry
{
public:
    explicit NearestEntry(const std::vector<std::uint32_t> &table)
    {
        red_.fill(far);
        green_.fill(far);
        blue_.fill(far);
        for (std::size_t j = 0; j < table.size(); ++j) {
            red_[j] = std::int16_t(channel(table[j], 0));
            green_[j] = std::int16_t(channel(table[j], 1));
            blue_[j] = std::int16_t(channel(table[j], 2));
        }
    }

    std::size_t operator()(std::uint32_t colour)
    {
        const auto r = std::int16_t(channel(colour, 0));
        const auto g = std::int16_t(channel(colour, 1));
        const auto b = std::int16_t(channel(colour, 2));
        std::int16_t least = std::numeric_limits<std::int16_t>::max();
        // 16-bit steps throughout: an int in between keeps the compiler to 32-bit lanes.
        auto difference = [](std::int16_t a, std::int16_t b) {
            const auto d = std::int16_t(a - b);
            return std::max(d, std::int16_t(-d));
        };
        for (std::size_t j = 0; j < 256; ++j) {
            const auto d = std::int16_t(
                difference(red_[j], r) + difference(green_[j], g) + difference(blue_[j], b));
            distance_[j] = d;
            least = std::min(least, d);
        }
        return std::size_t(
            std::find(distance_.begin(), distance_.end(), least) - distance_.begin());
    }

private:
    static constexpr std::int16_t far = 8192;
    std::array<std::int16_t, 256> red_;
    std::array<std::int16_t, 256> green_;
    std::array<std::int16_t, 256> blue_;
    std::array<std::int16_t, 256> distance_;
};

bool is_palette_colour(std::uint32_t colour)
{
    for (int i = 0; i < 16; ++i)
        if ((QBColor(i) & 0xFFFFFFu) == colour)
            return true;
    return false;
}

// Chooses the colour table for the counted colours, at most `capacity` entries, and replaces
// each count by the colour's index in it. Up to `capacity` colours are all exact. Beyond that
// the program's palette colours and any colour on at least 1 % of the pixels keep exact
// entries, as a drawing is mostly those; the other entries come from a variance cut of the
// remaining shades, each then moved to the mean of the shades nearest to it, and each shade
// takes its nearest entry.
std::vector<std::uint32_t> choose_colours(ColourCounts &counts, std::size_t capacity)
{
    std::vector<WeightedColour> colours;
    colours.reserve(counts.size());
    double pixels = 0;
    counts.for_each([&](std::uint32_t colour, std::uint32_t count) {
        colours.push_back({ colour, count, false });
        pixels += count;
    });
    std::vector<std::uint32_t> table;
    if (colours.size() <= capacity) {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            table.push_back(colours[i].colour);
            counts[colours[i].colour] = std::uint32_t(i);
        }
        return table;
    }

    for (auto &c : colours)
        c.in_palette = is_palette_colour(c.colour);
    std::sort(colours.begin(), colours.end(), [](const auto &a, const auto &b) {
        return a.in_palette != b.in_palette ? a.in_palette : a.count > b.count;
    });
    std::size_t exact = 0;
    while (
        exact < capacity / 2 && (colours[exact].in_palette || colours[exact].count >= pixels / 100))
        ++exact;
    for (std::size_t i = 0; i < exact; ++i)
        table.push_back(colours[i].colour);
    const auto means = variance_cut(colours, exact, colours.size(), capacity - exact);
    table.insert(table.end(), means.begin(), means.end());

    std::vector<std::uint32_t> nearest(colours.size());
    std::iota(nearest.begin(), nearest.begin() + std::ptrdiff_t(exact), 0u);
    auto take_nearest = [&] {
        NearestEntry find(table);
        for (std::size_t i = exact; i < colours.size(); ++i)
            nearest[i] = std::uint32_t(find(colours[i].colour));
    };
    take_nearest();
    // One round of Lloyd's refinement: later rounds lower the error by little for their time.
    std::vector<Moments> taken(table.size());
    for (std::size_t i = exact; i < colours.size(); ++i)
        taken[nearest[i]].add(colours[i]);
    for (std::size_t j = exact; j < table.size(); ++j)
        if (taken[j].weight > 0)
            table[j] = taken[j].mean();
    take_nearest();
    for (std::size_t i = 0; i < colours.size(); ++i)
        counts[colours[i].colour] = nearest[i];
    return table;
}

// The part of a frame to store: the rectangle around its changes against the previous frame,
// which is absent for the first frame.
struct Change
{
    const QImage &image;
    const QImage *previous;
    QRect rect;

    const QRgb *row(int y) const
    {
        return reinterpret_cast<const QRgb *>(image.constScanLine(y)) + rect.left();
    }
    const QRgb *previous_row(int y) const
    {
        return previous ? reinterpret_cast<const QRgb *>(previous->constScanLine(y)) + rect.left()
                        : nullptr;
    }
};

// Counts the colours of the changed pixels in the rectangle and returns the number of unchanged
// ones, which will be transparent.
std::size_t count_colours(const Change &change, ColourCounts &counts)
{
    std::size_t unchanged = 0;
    for (int y = change.rect.top(); y <= change.rect.bottom(); ++y) {
        const QRgb *c = change.row(y);
        const QRgb *p = change.previous_row(y);
        // Runs of one colour are the rule in a drawing: they skip the table.
        QRgb last = ~c[0];
        std::uint32_t *last_count = nullptr;
        for (int x = 0; x < change.rect.width(); ++x) {
            if (p && p[x] == c[x]) {
                ++unchanged;
            } else if (c[x] == last) {
                ++*last_count;
            } else {
                last = c[x];
                last_count = &counts[last];
                ++*last_count;
            }
        }
    }
    return unchanged;
}

// One row of the rectangle as colour table indices, unchanged pixels transparent.
void index_row(const Change &change, int y, ColourCounts &indices, int transparent_index,
    std::vector<GifPixelType> &line)
{
    const QRgb *c = change.row(y);
    const QRgb *p = change.previous_row(y);
    QRgb last = ~c[0];
    GifPixelType last_index = 0;
    for (int x = 0; x < change.rect.width(); ++x) {
        if (p && p[x] == c[x]) {
            line[std::size_t(x)] = GifPixelType(transparent_index);
        } else {
            if (c[x] != last) {
                last = c[x];
                last_index = GifPixelType(indices[last]);
            }
            line[std::size_t(x)] = last_index;
        }
    }
}

struct MapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// The table with one more entry for transparency when asked; GIF's tables have a power of two
// entries, at least 2.
ColourMap colour_map(const std::vector<std::uint32_t> &table, bool transparent)
{
    int size = 2;
    while (size < int(table.size()) + (transparent ? 1 : 0))
        size *= 2;
    std::vector<GifColorType> entries(std::size_t(size), GifColorType { 0, 0, 0 });
    for (std::size_t i = 0; i < table.size(); ++i)
        entries[i] = GifColorType { GifByteType(table[i] >> 16), GifByteType(table[i] >> 8),
            GifByteType(table[i]) };
    return ColourMap(GifMakeMapObject(size, entries.data()));
}

// The four bytes of a frame's graphic control extension. Each frame stays in place under the
// next ("do not dispose"), so the next one need only hold what changed.
std::array<GifByteType, 4> control_block(int delay_cs, int transparent_index)
{
    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delay_cs;
    control.TransparentColor = transparent_index;
    std::array<GifByteType, 4> bytes {};
    EGifGCBToExtension(&control, bytes.data());
    return bytes;
}

} // namespace

GifWriter::GifWriter() = default;

GifWriter::~GifWriter() { cancel(); }

int GifWriter::output(GifFileType *gif, const GifByteType *bytes, int length)
{
    auto *self = static_cast<GifWriter *>(gif->UserData);
    self->pending_.append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

bool GifWriter::open(const QString &path, QSize size, bool loop)
{
    if (gif_) {
        error_ = QStringLiteral("Cannot record to %1: the recording to %2 is not finished")
                     .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(path_));
        return false;
    }
    path_ = path;
    size_ = size;
    frame_count_ = 0;
    error_.clear();
    pending_.clear();
    previous_ = QImage();
    if (size.width() < 1 || size.height() < 1 || size.width() > 65535 || size.height() > 65535)
        return fail(QStringLiteral("a frame of %1 x %2 pixels is not possible in a GIF file")
                        .arg(size.width())
                        .arg(size.height()));

    file_ = std::make_unique<OutputFile>(path);
    if (!file_->open())
        return fail(file_->error());
    int gif_error = 0;
    gif_ = EGifOpen(this, &GifWriter::output, &gif_error);
    if (!gif_)
        return fail_gif(gif_error);
    // The graphic control blocks need GIF89a, which the sequential writer does not infer.
    EGifSetGifVersion(gif_, true);
    if (EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, nullptr) == GIF_ERROR)
        return fail_gif(gif_->Error);
    if (loop) {
        // Loop count 0 in the NETSCAPE2.0 block plays forever; without the block viewers play
        // the frames once.
        static const char identifier[] = "NETSCAPE2.0";
        const GifByteType repeat[3] = { 1, 0, 0 };
        if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
            || EGifPutExtensionBlock(gif_, 11, identifier) == GIF_ERROR
            || EGifPutExtensionBlock(gif_, 3, repeat) == GIF_ERROR
            || EGifPutExtensionTrailer(gif_) == GIF_ERROR)
            return fail_gif(gif_->Error);
    }
    return flush_pending();
}

bool GifWriter::add_frame(const QImage &frame, int delay_ms)
{
    if (!gif_) {
        if (error_.isEmpty())
            error_ = QStringLiteral("Cannot add a frame: no recording is open");
        return false;
    }
    if (frame.size() != size_) {
        error_ = QStringLiteral("Cannot add a frame of %1 x %2 pixels to the recording %3 of "
                                "%4 x %5 pixels")
                     .arg(frame.width())
                     .arg(frame.height())
                     .arg(QDir::toNativeSeparators(path_))
                     .arg(size_.width())
                     .arg(size_.height());
        return false;
    }
    if (!flush_pending())
        return false;
    const QImage image = frame.format() == QImage::Format_RGB32
        ? frame
        : frame.convertToFormat(QImage::Format_RGB32);
    if (!encode(image, centiseconds(delay_ms)))
        return false;
    ++frame_count_;
    return true;
}

bool GifWriter::encode(const QImage &image, int delay_cs)
{
    const bool first = previous_.isNull();
    QRect rect = first ? image.rect() : changed_rect(previous_, image);
    // A frame equal to the previous one still carries its delay: one unchanged pixel, which
    // comes out transparent.
    if (rect.isEmpty())
        rect = QRect(0, 0, 1, 1);
    const Change change { image, first ? nullptr : &previous_, rect };

    ColourCounts colours;
    const bool transparent = count_colours(change, colours) > 0;
    const auto table = choose_colours(colours, transparent ? 255 : 256);
    const int transparent_index = transparent ? int(table.size()) : NO_TRANSPARENT_COLOR;
    const ColourMap map = colour_map(table, transparent);
    if (!map)
        return fail_gif(E_GIF_ERR_NOT_ENOUGH_MEM);
    const auto control = control_block(delay_cs, transparent_index);
    pending_transparent_ = transparent_index;
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, int(control.size()), control.data())
            == GIF_ERROR
        || EGifPutImageDesc(
               gif_, rect.left(), rect.top(), rect.width(), rect.height(), false, map.get())
            == GIF_ERROR)
        return fail_gif(gif_->Error);
    std::vector<GifPixelType> line(std::size_t(rect.width()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        index_row(change, y, colours, transparent_index, line);
        if (EGifPutLine(gif_, line.data(), rect.width()) == GIF_ERROR)
            return fail_gif(gif_->Error);
    }

    // The reference for the next frame: the source pixels, not the table's approximations, so
    // that a pixel is stored again only when the drawing changes it.
    if (first) {
        previous_ = image.copy();
    } else {
        const auto row_bytes = std::size_t(rect.width()) * sizeof(QRgb);
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::memcpy(reinterpret_cast<QRgb *>(previous_.scanLine(y)) + rect.left(),
                change.row(y), row_bytes);
    }
    return true;
}

bool GifWriter::finish(std::optional<int> last_delay_ms)
{
    if (!gif_) {
        if (error_.isEmpty())
            error_ = QStringLiteral("Cannot finish the recording: no recording is open");
        return false;
    }
    if (frame_count_ == 0)
        return fail(QStringLiteral("the recording has no frames"));
    if (last_delay_ms) {
        // The held-back frame starts with its graphic control extension: introducer, label,
        // block size, then the four bytes of the block.
        const auto control = control_block(centiseconds(*last_delay_ms), pending_transparent_);
        std::memcpy(pending_.data() + 3, control.data(), control.size());
    }
    if (!flush_pending())
        return false;
    int gif_error = 0;
    const int closed = EGifCloseFile(gif_, &gif_error);
    gif_ = nullptr;
    if (closed == GIF_ERROR)
        return fail_gif(gif_error);
    if (!flush_pending())
        return false;
    if (!file_->commit())
        return fail(file_->error());
    file_.reset();
    previous_ = QImage();
    return true;
}

void GifWriter::cancel()
{
    close_encoder();
    if (file_) {
        file_->cancel();
        file_.reset();
    }
    pending_.clear();
    previous_ = QImage();
    error_.clear();
}

bool GifWriter::is_open() const { return gif_ != nullptr; }

int GifWriter::frame_count() const { return frame_count_; }

QString GifWriter::error() const { return error_; }

bool GifWriter::fail(const QString &reason)
{
    cancel();
    error_ = QStringLiteral("Cannot record to %1: %2").arg(QDir::toNativeSeparators(path_), reason);
    return false;
}

bool GifWriter::fail_gif(int gif_error)
{
    const char *text = GifErrorString(gif_error);
    return fail(
        text ? QString::fromLocal8Bit(text) : QStringLiteral("GIF error %1").arg(gif_error));
}

void GifWriter::close_encoder()
{
    if (!gif_)
        return;
    int ignored = 0;
    EGifCloseFile(gif_, &ignored);
    gif_ = nullptr;
}

bool GifWriter::flush_pending()
{
    if (pending_.isEmpty())
        return true;
    // A write can stop short with no error, as on a disk that fills up: writing the rest then
    // fails and brings the reason.
    if (!file_->write(pending_))
        return fail(file_->error());
    pending_.resize(0);
    return true;
}
