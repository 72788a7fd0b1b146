#include "StudyInfo.h"

bool TStudyInfo::IsEmpty() const
{
    for (const QString& text : Texts)
        if (!text.isEmpty())
            return false;
    return true;
}

const TStudyFieldInfo* FindStudyField(const QString& key)
{
    for (const TStudyFieldInfo& field : StudyFields)
        if (key == QLatin1String(field.Key))
            return &field;
    return nullptr;
}

QJsonObject StudyInfoJson(const TStudyInfo& info)
{
    QJsonObject object;
    for (const TStudyFieldInfo& field : StudyFields)
        if (!info[field.Field].isEmpty())
            object[QLatin1String(field.Key)] = info[field.Field];
    return object;
}

TStudyInfo ParseStudyInfo(const QJsonObject& object)
{
    TStudyInfo info;
    for (const TStudyFieldInfo& field : StudyFields)
        info[field.Field] = object.value(QLatin1String(field.Key)).toString();
    return info;
}
