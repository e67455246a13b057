#include "ui/FileNaming.h"

namespace zaq {

QString fileNamePart(const QString& dateOrTimeText) {
    QString part = dateOrTimeText;
    part.replace(u'/', u'_');
    part.replace(u':', u'-');
    return part;
}

}  // namespace zaq
