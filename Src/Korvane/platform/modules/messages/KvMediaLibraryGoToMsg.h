#pragma once

#include "KvMessage.h"
#include "KvMessageId.h"

#include <QString>

// Asks the media library to show a category and, in it, a folder or an item
// (by id, -1 for none), filtered by a search word. The media library marks it
// handled and answers whether it found the folder or item.
class KvMediaLibraryGoToMsg : public KvMessage
{
public:
    KvMediaLibraryGoToMsg(int category, int folderOrItemId, const QString &searchWord = QString())
        : KvMessage(KvMessageId::MediaLibraryGoTo)
        , m_category(category)
        , m_folderOrItemId(folderOrItemId)
        , m_searchWord(searchWord)
    {
    }

    int category() const { return m_category; }
    int folderOrItemId() const { return m_folderOrItemId; }
    QString searchWord() const { return m_searchWord; }

private:
    int m_category;
    int m_folderOrItemId;
    QString m_searchWord;
};
