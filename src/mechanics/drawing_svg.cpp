#include "mechanics/drawing_svg.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace mechanics {

namespace {

// Hundredths of a pixel: finer than any viewer shows, and a short file.
constexpr int DECIMALS = 2;

// The decimal point whatever the C locale says, trailing zeros dropped.
std::string number(double value)
{
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, DECIMALS);
    std::string text(buffer.data(), error == std::errc() ? end : buffer.data());
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.'))
        text.pop_back();
    return text == "-0" || text.empty() ? "0" : text;
}

std::string colour(Rgb c)
{
    std::array<char, 8> hex{};
    std::snprintf(hex.data(), hex.size(), "#%02x%02x%02x", c.red, c.green, c.blue);
    return hex.data();
}

// The centre of a stroke `width` pixels wide on the pixel grid, as the surface
// puts it: between pixels for an even width, mid-pixel for an odd one.
double snapped(double pixels, int width)
{
    return width % 2 == 0 ? std::round(pixels) : std::floor(pixels) + 0.5;
}

class Writer {
public:
    explicit Writer(const SvgCanvas &canvas) : canvas_(canvas)
    {
        const std::string w = std::to_string(canvas.width), h = std::to_string(canvas.height);
        write(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"",
            " width=\"", w, "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ", h,
            "\" xml:space=\"preserve\" font-family=\"'", xml_escaped(canvas.font_family),
            "', sans-serif\" font-size=\"", std::to_string(canvas.font_pixels),
            "\">\n<title>振动图像</title>\n");
        apply(op::Clear{});
    }

    void run(const Operation &operation)
    {
        if (!std::holds_alternative<op::LineTo>(operation))
            flush_curve();
        std::visit([this](const auto &o) { apply(o); }, operation);
    }

    std::string finish()
    {
        flush_curve();
        write("</svg>\n");
        return out_;
    }

private:
    struct Position {
        double x = 0;
        double y = 0;
    };

    // Appends the parts in turn: no temporary strings, and none of GCC 12's
    // false -Wrestrict warnings on a literal put before a string at -O2.
    template <class... Parts> void write(const Parts &...parts) { (out_ += ... += parts); }

    // User units to pixels of the drawing area.
    Position to_area(Point user) const
    {
        if (!coordinates_)
            return {user.x, user.y};
        const op::SetCoordinates &c = *coordinates_;
        return {(user.x - c.x1) * canvas_.width / (c.x2 - c.x1),
                (user.y - c.y1) * canvas_.height / (c.y2 - c.y1)};
    }

    void apply(const op::Clear &)
    {
        write("<rect x=\"0\" y=\"0\" width=\"", std::to_string(canvas_.width), "\" height=\"",
              std::to_string(canvas_.height), "\" fill=\"#ffffff\"/>\n");
    }
    void apply(const op::SetCoordinates &c) { coordinates_ = c; }
    void apply(const op::SetLineWidth &w) { width_ = w.pixels; }
    void apply(const op::MoveTo &m) { position_ = m.at; }

    // Axes and ticks, black with square ends like the surface's.
    void apply(const op::Line &line)
    {
        const Position from = to_area(line.from), to = to_area(line.to);
        write("<line x1=\"", number(snapped(from.x, width_)), "\" y1=\"",
              number(snapped(from.y, width_)), "\" x2=\"", number(snapped(to.x, width_)),
              "\" y2=\"", number(snapped(to.y, width_)), "\" stroke=\"#000000\" stroke-width=\"",
              std::to_string(width_), "\" stroke-linecap=\"square\"/>\n");
        position_ = line.to;
    }

    // Pieces in a row of one colour and width make one line, as on the screen.
    void apply(const op::LineTo &line)
    {
        if (!curve_.empty() && (line.colour != curve_colour_ || width_ != curve_width_))
            flush_curve();
        if (curve_.empty()) {
            curve_colour_ = line.colour;
            curve_width_ = width_;
            add_to_curve(position_);
        }
        position_ = line.to;
        add_to_curve(position_);
    }

    void add_to_curve(Point user)
    {
        const Position p = to_area(user);
        curve_ += curve_.empty() ? "" : " ";
        curve_ += number(p.x);
        curve_ += ',';
        curve_ += number(p.y);
    }

    void flush_curve()
    {
        if (curve_.empty())
            return;
        write("<polyline points=\"", curve_, "\" fill=\"none\" stroke=\"", colour(curve_colour_),
              "\" stroke-width=\"", std::to_string(curve_width_),
              "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n");
        curve_.clear();
    }

    void apply(const op::Print &print)
    {
        const Position corner = to_area(position_);
        write("<text x=\"", number(std::round(corner.x)), "\" y=\"",
              number(std::round(corner.y) + canvas_.ascent), "\">", xml_escaped(print.text),
              "</text>\n");
    }

    const SvgCanvas &canvas_;
    std::string out_;
    std::optional<op::SetCoordinates> coordinates_; // none: pixel units
    int width_ = 1;
    Point position_;
    std::string curve_; // the points of the line being gathered
    Rgb curve_colour_;
    int curve_width_ = 1;
};

} // namespace

std::string svg_document(const Drawing &drawing, const SvgCanvas &canvas)
{
    Writer writer(canvas);
    for (const Operation &operation : drawing)
        writer.run(operation);
    return writer.finish();
}

std::string xml_escaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '&':
            escaped += "&amp;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default: // XML allows no other control character, even as an entity
            if (static_cast<unsigned char>(c) >= ' ' || c == '\t')
                escaped += c;
        }
    }
    return escaped;
}

} // namespace mechanics
