// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentFormat.h"

#include "NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace orvane {
namespace DocumentFormat {

namespace {

// A reading error: where in the file and what is wrong there.
struct Refusal {
    QString text;
};

const int MaxEntries = PlotSlots;
const int MinAxisSize = 6;
const int MaxAxisSize = 30;
const int MaxPenWidth = 1000;
const double MaxFontSize = 1000;

const struct {
    int code;
    const char* name;
} KindNames[] = {{KindFunctionY, "y"},   {KindFunctionX, "x"},     {KindPolar, "polar"},
                 {KindParametric, "parametric"}, {KindCircle, "circle"}, {KindEllipse, "ellipse"}, {KindHyperbola, "hyperbola"}};

const struct {
    SketchItem::Op op;
    const char* name;
} OpNames[] = {{SketchItem::Op::Clear, "clear"},
               {SketchItem::Op::Axes, "axes"},
               {SketchItem::Op::Entry, "entry"},
               {SketchItem::Op::Curve, "curve"},
               {SketchItem::Op::Point, "point"},
               {SketchItem::Op::Line, "line"},
               {SketchItem::Op::Perpendicular, "perpendicular"},
               {SketchItem::Op::Circle, "circle"},
               {SketchItem::Op::Text, "text"},
               {SketchItem::Op::Eraser, "eraser"}};

const struct {
    DrawStyle style;
    const char* name;
} StyleNames[] = {
    {DrawStyle::Solid, "solid"}, {DrawStyle::Dotted, "dotted"}, {DrawStyle::DashDot, "dashDot"}};

// Reads the values of one JSON object, naming its place in the file in every refusal.
class Fields {
public:
    Fields(const QJsonObject& object, QString place) : object_(object), place_(std::move(place)) {}

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }
    QString placeOf(const char* key) const
    {
        return place_.isEmpty() ? QString::fromLatin1(key)
                                : place_ + QLatin1Char('.') + QLatin1String(key);
    }
    [[noreturn]] void refuse(const char* key, const QString& what) const
    {
        throw Refusal{placeOf(key) + QStringLiteral("：") + what};
    }
    QJsonValue value(const char* key) const { return object_.value(QLatin1String(key)); }

    double number(const char* key, std::optional<double> fallback, double low, double high) const
    {
        if (!has(key)) {
            if (!fallback) refuse(key, QStringLiteral("缺少这一项"));
            return *fallback;
        }
        const QJsonValue v = value(key);
        if (!v.isDouble() || !std::isfinite(v.toDouble())) refuse(key, QStringLiteral("应为数值"));
        const double d = v.toDouble();
        if (d < low || d > high)
            refuse(key, QStringLiteral("数值超出范围（%1 到 %2）")
                            .arg(QString::fromStdString(NumberText::generalForm(low)),
                                 QString::fromStdString(NumberText::generalForm(high))));
        return d;
    }
    int integer(const char* key, std::optional<int> fallback, int low, int high) const
    {
        const double d =
            number(key, fallback ? std::optional<double>(*fallback) : std::nullopt, low, high);
        if (d != std::floor(d)) refuse(key, QStringLiteral("应为整数"));
        return int(d);
    }
    bool boolean(const char* key, bool fallback) const
    {
        if (!has(key)) return fallback;
        if (!value(key).isBool()) refuse(key, QStringLiteral("应为 true 或 false"));
        return value(key).toBool();
    }
    QString text(const char* key, std::optional<QString> fallback) const
    {
        if (!has(key)) {
            if (!fallback) refuse(key, QStringLiteral("缺少这一项"));
            return *fallback;
        }
        if (!value(key).isString()) refuse(key, QStringLiteral("应为文本"));
        return value(key).toString();
    }
    Colour colour(const char* key, Colour fallback) const
    {
        if (!has(key)) return fallback;
        const std::optional<Colour> c = parseColour(value(key).toString());
        if (!value(key).isString() || !c) refuse(key, QStringLiteral("颜色应写作 #rrggbb"));
        return *c;
    }
    WorldPoint point(const char* key) const
    {
        if (!has(key)) refuse(key, QStringLiteral("缺少这一项"));
        return pointOf(value(key), placeOf(key));
    }
    static WorldPoint pointOf(const QJsonValue& v, const QString& place)
    {
        const QJsonArray a = v.toArray();
        const auto fits = [](const QJsonValue& c) {
            return c.isDouble() && std::isfinite(c.toDouble()) &&
                   std::fabs(c.toDouble()) <= std::numeric_limits<float>::max();
        };
        if (!v.isArray() || a.size() != 2 || !fits(a[0]) || !fits(a[1]))
            throw Refusal{place + QStringLiteral("：应为两个数值 [x, y]")};
        return {float(a[0].toDouble()), float(a[1].toDouble())};
    }
    QJsonArray array(const char* key, bool required) const
    {
        if (!has(key)) {
            if (required) refuse(key, QStringLiteral("缺少这一项"));
            return {};
        }
        if (!value(key).isArray()) refuse(key, QStringLiteral("应为数组"));
        return value(key).toArray();
    }
    QJsonObject object(const char* key) const
    {
        if (!has(key)) return {};
        if (!value(key).isObject()) refuse(key, QStringLiteral("应为对象"));
        return value(key).toObject();
    }

private:
    QJsonObject object_;
    QString place_;
};

QString indexed(const char* list, qsizetype i)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(list)).arg(i);
}

QJsonObject objectAt(const QJsonArray& array, qsizetype i, const QString& place)
{
    if (!array.at(i).isObject()) throw Refusal{place + QStringLiteral("：应为对象")};
    return array.at(i).toObject();
}

const double Huge = 1e15;
const double Small = -1e15;

DocumentAxes readAxes(const Fields& f, const DocumentAxes& d)
{
    DocumentAxes axes;
    axes.size = f.integer("size", d.size, MinAxisSize, MaxAxisSize);
    axes.hidden = f.boolean("hidden", d.hidden);
    axes.colour = f.colour("colour", d.colour);
    axes.background = f.colour("background", d.background);
    axes.fontSize = f.number("fontSize", d.fontSize, 1, MaxFontSize);
    return axes;
}

DocumentEntry readEntry(const Fields& f, const DocumentDefaults& d)
{
    DocumentEntry e;
    const QString kind = f.text("kind", std::nullopt);
    bool known = false;
    for (const auto& k : KindNames)
        if (kind == QLatin1String(k.name)) {
            e.kind = k.code;
            known = true;
        }
    if (!known) f.refuse("kind", QStringLiteral("未知的种类“%1”").arg(kind));
    e.colour = f.colour("colour", d.lineColour);
    e.width = f.integer("width", d.lineWidth, 1, MaxPenWidth);
    e.label = f.text("label", QString());
    if (!e.isConic()) {
        if (e.kind == KindParametric) {
            e.expression = f.text("x", std::nullopt);
            e.secondExpression = f.text("y", std::nullopt);
        } else {
            e.expression = f.text("expression", std::nullopt);
        }
        e.from = f.number("from", d.rangeMin, Small, Huge);
        e.to = f.number("to", d.rangeMax, Small, Huge);
        e.smoothness = f.number("smoothness", d.smoothness, Small, Huge);
        if (f.has("step")) e.step = f.number("step", std::nullopt, Small, Huge);
        return e;
    }
    ConicParameters& c = e.conic;
    c.kind = ConicKind(e.kind);
    const WorldPoint centre = f.point("centre");
    if (c.kind == ConicKind::Circle) {
        c.a = centre.x;
        c.b = centre.y;
        c.x = f.number("radius", std::nullopt, Small, Huge);
    } else {
        c.x = centre.x;
        c.y = centre.y;
        c.a = f.number("a", std::nullopt, Small, Huge);
        c.b = f.number("b", std::nullopt, Small, Huge);
        c.directrices = f.boolean("directrices", false);
    }
    if (c.kind == ConicKind::Hyperbola) {
        const QString opens = f.text("opens", QStringLiteral("x"));
        if (opens != QLatin1String("x") && opens != QLatin1String("y"))
            f.refuse("opens", QStringLiteral("应为 \"x\" 或 \"y\""));
        c.alongX = opens == QLatin1String("x");
        c.asymptotes = f.boolean("asymptotes", false);
    }
    const QJsonArray help = f.array("auxiliaryColours", false);
    for (qsizetype i = 0; i < help.size(); ++i) {
        const std::optional<Colour> colour = parseColour(help.at(i).toString());
        if (!help.at(i).isString() || !colour)
            throw Refusal{f.placeOf("auxiliaryColours") +
                          QStringLiteral("[%1]：颜色应写作 #rrggbb").arg(i)};
        e.helpColours.push_back(*colour);
    }
    return e;
}

SketchItem readSketchItem(const Fields& f, const DocumentContent& content,
                          const DocumentDefaults& d)
{
    SketchItem item;
    const QString op = f.text("op", std::nullopt);
    bool known = false;
    for (const auto& o : OpNames)
        if (op == QLatin1String(o.name)) {
            item.op = o.op;
            known = true;
        }
    if (!known) f.refuse("op", QStringLiteral("未知的操作“%1”").arg(op));
    const auto readStyle = [&](DrawStyle fallback) {
        const QString name = f.text("style", QString());
        if (name.isEmpty()) return fallback;
        for (const auto& s : StyleNames)
            if (name == QLatin1String(s.name)) return s.style;
        f.refuse("style", QStringLiteral("未知的线型“%1”").arg(name));
    };
    switch (item.op) {
    case SketchItem::Op::Clear:
        break;
    case SketchItem::Op::Axes:
        item.axisSize = f.integer("size", content.axes.size, MinAxisSize, MaxAxisSize);
        item.colour = f.colour("colour", content.axes.colour);
        item.size = f.number("fontSize", content.axes.fontSize, 1, MaxFontSize);
        break;
    case SketchItem::Op::Entry:
        item.index = f.integer("index", std::nullopt, 0, int(content.entries.size()) - 1);
        break;
    case SketchItem::Op::Curve: {
        const Fields entry(f.object("entry"), f.placeOf("entry"));
        if (!f.has("entry")) f.refuse("entry", QStringLiteral("缺少这一项"));
        item.entry = readEntry(entry, d);
        break;
    }
    case SketchItem::Op::Point:
        item.at = f.point("at");
        item.colour = f.colour("colour", d.lineColour);
        item.width = f.integer("width", d.lineWidth, 1, MaxPenWidth);
        break;
    case SketchItem::Op::Line: {
        item.at = f.point("from");
        item.to = f.point("to");
        item.colour = f.colour("colour", d.lineColour);
        item.width = f.integer("width", d.lineWidth, 1, MaxPenWidth);
        item.style = readStyle(DrawStyle::Solid);
        const QJsonArray more = f.array("more", false);
        for (qsizetype i = 0; i < more.size(); ++i) {
            const QString place = f.placeOf("more") + QStringLiteral("[%1]").arg(i);
            const QJsonArray pair = more.at(i).toArray();
            if (!more.at(i).isArray() || pair.size() != 2)
                throw Refusal{place + QStringLiteral("：应为 [[x, y], [x, y]]")};
            item.segments.emplace_back(Fields::pointOf(pair[0], place),
                                       Fields::pointOf(pair[1], place));
        }
        break;
    }
    case SketchItem::Op::Perpendicular:
        item.at = f.point("at");
        item.colour = f.colour("colour", d.lineColour);
        item.width = f.integer("width", d.lineWidth, 1, MaxPenWidth);
        item.style = readStyle(DrawStyle::DashDot);
        break;
    case SketchItem::Op::Circle:
        item.at = f.point("centre");
        item.radius = f.number("radius", std::nullopt, 0, std::numeric_limits<float>::max());
        item.colour = f.colour("colour", d.lineColour);
        item.width = f.integer("width", d.lineWidth, 1, MaxPenWidth);
        break;
    case SketchItem::Op::Text:
        item.at = f.point("at");
        item.text = f.text("text", std::nullopt);
        item.size = f.number("size", d.textSize, 1, MaxFontSize);
        item.colour = f.colour("colour", d.textColour);
        break;
    case SketchItem::Op::Eraser: {
        item.colour = f.colour("colour", content.axes.background);
        const QJsonArray dots = f.array("dots", true);
        for (qsizetype i = 0; i < dots.size(); ++i) {
            const QString place = f.placeOf("dots") + QStringLiteral("[%1]").arg(i);
            const QJsonArray dot = dots.at(i).toArray();
            if (!dots.at(i).isArray() || dot.size() != 3 || !dot[2].isDouble() ||
                dot[2].toDouble() < 1 || dot[2].toDouble() > MaxPenWidth ||
                dot[2].toDouble() != std::floor(dot[2].toDouble()))
                throw Refusal{place + QStringLiteral("：应为 [x, y, 大小]")};
            item.dots.emplace_back(Fields::pointOf(QJsonArray{dot[0], dot[1]}, place),
                                   int(dot[2].toDouble()));
        }
        break;
    }
    }
    return item;
}

bool drawsWholePicture(SketchItem::Op op)
{
    return op == SketchItem::Op::Clear || op == SketchItem::Op::Axes ||
           op == SketchItem::Op::Entry || op == SketchItem::Op::Curve;
}

DocumentContent readContent(const QJsonObject& root, const DocumentDefaults& defaults)
{
    const Fields top(root, QString());
    DocumentContent content;
    content.axes = readAxes(Fields(top.object("axes"), QStringLiteral("axes")), defaults.axes);

    const QJsonArray constants = top.array("constants", false);
    for (qsizetype i = 0; i < constants.size(); ++i) {
        const QString place = indexed("constants", i);
        const Fields f(objectAt(constants, i, place), place);
        DocumentConstant constant;
        constant.name = f.text("name", std::nullopt);
        const QJsonValue value = f.value("value");
        if (value.isDouble() && std::isfinite(value.toDouble()))
            constant.value = QString::fromStdString(NumberText::generalForm(value.toDouble()));
        else if (value.isString())
            constant.value = value.toString();
        else
            f.refuse("value", QStringLiteral("应为数值或文本"));
        content.constants.push_back(constant);
    }

    const QJsonArray entries = top.array("entries", false);
    if (entries.size() > MaxEntries)
        top.refuse("entries",
                   QStringLiteral("最多 %1 项，这里有 %2 项").arg(MaxEntries).arg(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString place = indexed("entries", i);
        content.entries.push_back(readEntry(Fields(objectAt(entries, i, place), place), defaults));
    }

    const QJsonArray sketch = top.array("sketch", false);
    bool complete = false;
    for (qsizetype i = 0; i < sketch.size(); ++i) {
        const QString place = indexed("sketch", i);
        SketchItem item =
            readSketchItem(Fields(objectAt(sketch, i, place), place), content, defaults);
        complete = complete || drawsWholePicture(item.op);
        content.sketch.push_back(std::move(item));
    }
    if (!complete) {
        // Written by hand or by another program: the axes and the entries first.
        std::vector<SketchItem> before;
        before.push_back({});
        if (!content.axes.hidden) {
            SketchItem axes;
            axes.op = SketchItem::Op::Axes;
            axes.axisSize = content.axes.size;
            axes.colour = content.axes.colour;
            axes.size = content.axes.fontSize;
            before.push_back(axes);
        }
        for (std::size_t i = 0; i < content.entries.size(); ++i) {
            SketchItem entry;
            entry.op = SketchItem::Op::Entry;
            entry.index = int(i);
            before.push_back(entry);
        }
        content.sketch.insert(content.sketch.begin(), before.begin(), before.end());
    }

    content.origin = top.text("origin", QString());
    if (top.has("view")) {
        const Fields f(top.object("view"), QStringLiteral("view"));
        const WorldPoint centre = f.point("centre");
        DocumentView view;
        view.centreX = centre.x;
        view.centreY = centre.y;
        view.halfWidth = f.number("halfWidth", std::nullopt, 1e-9, Huge);
        view.piLabels = f.boolean("piLabels", false);
        content.view = view;
    }
    return content;
}

// --- writing -------------------------------------------------------------------------

QJsonArray pointValue(WorldPoint p)
{
    return {double(p.x), double(p.y)};
}

const char* kindName(int code)
{
    for (const auto& k : KindNames)
        if (k.code == code) return k.name;
    return "y";
}

QJsonObject entryObject(const DocumentEntry& e)
{
    QJsonObject o;
    o[QStringLiteral("kind")] = QLatin1String(kindName(e.kind));
    o[QStringLiteral("colour")] = colourText(e.colour);
    o[QStringLiteral("width")] = e.width;
    if (!e.label.isEmpty()) o[QStringLiteral("label")] = e.label;
    if (!e.isConic()) {
        if (e.kind == KindParametric) {
            o[QStringLiteral("x")] = e.expression;
            o[QStringLiteral("y")] = e.secondExpression;
        } else {
            o[QStringLiteral("expression")] = e.expression;
        }
        o[QStringLiteral("smoothness")] = e.smoothness;
        if (e.kind != KindPolar) {
            o[QStringLiteral("from")] = e.from;
            o[QStringLiteral("to")] = e.to;
        }
        if (e.step) o[QStringLiteral("step")] = *e.step;
        return o;
    }
    const ConicParameters& c = e.conic;
    if (c.kind == ConicKind::Circle) {
        o[QStringLiteral("centre")] = QJsonArray{c.a, c.b};
        o[QStringLiteral("radius")] = c.x;
    } else {
        o[QStringLiteral("centre")] = QJsonArray{c.x, double(c.y)};
        o[QStringLiteral("a")] = c.a;
        o[QStringLiteral("b")] = c.b;
        o[QStringLiteral("directrices")] = c.directrices;
    }
    if (c.kind == ConicKind::Hyperbola) {
        o[QStringLiteral("opens")] = c.alongX ? QStringLiteral("x") : QStringLiteral("y");
        o[QStringLiteral("asymptotes")] = c.asymptotes;
    }
    QJsonArray help;
    for (Colour colour : e.helpColours)
        help.append(colourText(colour));
    o[QStringLiteral("auxiliaryColours")] = help;
    return o;
}

QString styleName(DrawStyle style)
{
    for (const auto& s : StyleNames)
        if (s.style == style) return QLatin1String(s.name);
    return QStringLiteral("solid");
}

QJsonObject sketchObject(const SketchItem& item)
{
    QJsonObject o;
    for (const auto& n : OpNames)
        if (n.op == item.op) o[QStringLiteral("op")] = QLatin1String(n.name);
    const auto pen = [&] {
        o[QStringLiteral("colour")] = colourText(item.colour);
        o[QStringLiteral("width")] = item.width;
    };
    switch (item.op) {
    case SketchItem::Op::Clear:
        break;
    case SketchItem::Op::Axes:
        o[QStringLiteral("size")] = item.axisSize;
        o[QStringLiteral("colour")] = colourText(item.colour);
        o[QStringLiteral("fontSize")] = item.size;
        break;
    case SketchItem::Op::Entry:
        o[QStringLiteral("index")] = item.index;
        break;
    case SketchItem::Op::Curve:
        o[QStringLiteral("entry")] = entryObject(item.entry);
        break;
    case SketchItem::Op::Point:
        o[QStringLiteral("at")] = pointValue(item.at);
        pen();
        break;
    case SketchItem::Op::Line: {
        o[QStringLiteral("from")] = pointValue(item.at);
        o[QStringLiteral("to")] = pointValue(item.to);
        pen();
        if (item.style != DrawStyle::Solid) o[QStringLiteral("style")] = styleName(item.style);
        if (!item.segments.empty()) {
            QJsonArray more;
            for (const auto& [from, to] : item.segments)
                more.append(QJsonArray{pointValue(from), pointValue(to)});
            o[QStringLiteral("more")] = more;
        }
        break;
    }
    case SketchItem::Op::Perpendicular:
        o[QStringLiteral("at")] = pointValue(item.at);
        pen();
        if (item.style != DrawStyle::DashDot) o[QStringLiteral("style")] = styleName(item.style);
        break;
    case SketchItem::Op::Circle:
        o[QStringLiteral("centre")] = pointValue(item.at);
        o[QStringLiteral("radius")] = item.radius;
        pen();
        break;
    case SketchItem::Op::Text:
        o[QStringLiteral("at")] = pointValue(item.at);
        o[QStringLiteral("text")] = item.text;
        o[QStringLiteral("size")] = item.size;
        o[QStringLiteral("colour")] = colourText(item.colour);
        break;
    case SketchItem::Op::Eraser: {
        o[QStringLiteral("colour")] = colourText(item.colour);
        QJsonArray dots;
        for (const auto& [at, size] : item.dots)
            dots.append(QJsonArray{double(at.x), double(at.y), size});
        o[QStringLiteral("dots")] = dots;
        break;
    }
    }
    return o;
}

} // namespace

QString colourText(Colour colour)
{
    const int r = int(colour & 0xFF), g = int((colour >> 8) & 0xFF), b = int((colour >> 16) & 0xFF);
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'));
}

std::optional<Colour> parseColour(const QString& text)
{
    if (text.size() != 7 || text.front() != QLatin1Char('#')) return std::nullopt;
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return Colour(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

ReadResult read(const QByteArray& bytes, const DocumentDefaults& defaults)
{
    if (bytes.size() > MaxFileBytes) return {std::nullopt, QStringLiteral("文件大于 16 MiB")};
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt,
                QStringLiteral("文件已损坏：第 %1 字节处不是有效的 JSON").arg(parseError.offset)};
    const QJsonObject root = json.object();
    if (!json.isObject() ||
        root.value(QStringLiteral("format")).toString() != QLatin1String(FormatName))
        return {std::nullopt, QStringLiteral("这不是奥维恩作图文件（缺少 \"format\": \"%1\"）")
                                  .arg(QLatin1String(FormatName))};
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return {std::nullopt, QStringLiteral("文件已损坏：版本号应为正整数")};
    if (version.toDouble() > Version)
        return {std::nullopt,
                QStringLiteral("文件的版本 %1 比本程序能读的版本 %2 新，请用新版奥维恩打开")
                    .arg(QString::fromStdString(NumberText::generalForm(version.toDouble())))
                    .arg(Version)};
    try {
        return {readContent(root, defaults), QString()};
    } catch (const Refusal& refusal) {
        return {std::nullopt, QStringLiteral("文件已损坏：") + refusal.text};
    }
}

QByteArray write(const DocumentContent& content)
{
    QJsonObject root;
    root[QStringLiteral("format")] = QLatin1String(FormatName);
    root[QStringLiteral("version")] = Version;
    const DocumentAxes& a = content.axes;
    root[QStringLiteral("axes")] =
        QJsonObject{{QStringLiteral("size"), a.size},
                    {QStringLiteral("hidden"), a.hidden},
                    {QStringLiteral("colour"), colourText(a.colour)},
                    {QStringLiteral("background"), colourText(a.background)},
                    {QStringLiteral("fontSize"), a.fontSize}};
    QJsonArray constants;
    for (const DocumentConstant& c : content.constants) {
        bool isNumber = false;
        const double value = c.value.toDouble(&isNumber);
        // A value that reads back as the same text is written as a number.
        const QJsonValue v =
            isNumber && std::isfinite(value) &&
                    c.value == QString::fromStdString(NumberText::generalForm(value))
                ? QJsonValue(value)
                : QJsonValue(c.value);
        constants.append(
            QJsonObject{{QStringLiteral("name"), c.name}, {QStringLiteral("value"), v}});
    }
    root[QStringLiteral("constants")] = constants;
    QJsonArray entries;
    for (const DocumentEntry& e : content.entries)
        entries.append(entryObject(e));
    root[QStringLiteral("entries")] = entries;
    QJsonArray sketch;
    for (const SketchItem& item : content.sketch)
        sketch.append(sketchObject(item));
    root[QStringLiteral("sketch")] = sketch;
    if (content.view)
        root[QStringLiteral("view")] = QJsonObject{
            {QStringLiteral("centre"), QJsonArray{content.view->centreX, content.view->centreY}},
            {QStringLiteral("halfWidth"), content.view->halfWidth}};
    if (content.view && content.view->piLabels)
        root[QStringLiteral("view")] = [&] {
            QJsonObject view = root[QStringLiteral("view")].toObject();
            view[QStringLiteral("piLabels")] = true;
            return view;
        }();
    if (!content.origin.isEmpty()) root[QStringLiteral("origin")] = content.origin;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadResult readFile(const QString& path, const DocumentDefaults& defaults)
{
    const auto failed = [&](const QString& what) {
        return ReadResult{
            std::nullopt,
            QStringLiteral("无法打开作图文件“%1”：%2").arg(QDir::toNativeSeparators(path), what)};
    };
    const QFileInfo info(path);
    if (!info.exists()) return failed(QStringLiteral("文件不存在"));
    if (!info.isFile()) return failed(QStringLiteral("这不是一个文件"));
    if (info.size() > MaxFileBytes) return failed(QStringLiteral("文件大于 16 MiB"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("无法读取（%1）").arg(file.errorString()));
    // The size may have grown since it was looked at: read no more than the limit allows.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(QStringLiteral("无法读取（%1）").arg(file.errorString()));
    ReadResult result = read(bytes, defaults);
    if (!result.content) return failed(result.error);
    return result;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("无法保存“%1”：文件夹“%2”不存在")
            .arg(shown, QDir::toNativeSeparators(info.absolutePath()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("无法保存“%1”：%2").arg(shown, file.errorString());
    return QString();
}

} // namespace DocumentFormat
} // namespace orvane
