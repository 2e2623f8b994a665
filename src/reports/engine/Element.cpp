#include "Definition.h"

namespace ReportEngine {

Element Element::make(Kind kind, double x, double y, double w, double h)
{
    Element e;
    e.kind = kind;
    e.rect = QRectF(x, y, w, h);
    return e;
}

Element Element::label(double x, double y, double w, double h, const QString& text)
{
    Element e = make(Kind::Label, x, y, w, h);
    e.text = text;
    return e;
}

Element Element::field(double x, double y, double w, double h, const QString& column, Format format)
{
    Element e = make(Kind::Field, x, y, w, h);
    e.text = column;
    e.format = format;
    return e;
}

Element Element::textObject(double x, double y, double w, double h, const QString& name)
{
    Element e = make(Kind::Text, x, y, w, h);
    e.text = name;
    return e;
}

} // namespace ReportEngine
