#pragma once

// Codes of the messages that scenes, views and presenters exchange
// (KvMessage::code()). The numbers are fixed; a code means the same in every
// scene.
namespace KvMessageId {

// KvProjectChangedMessage: the current project is new or was saved.
constexpr int ProjectChanged = 6001;
// Plain KvMessage: the current project's modified mark flipped.
constexpr int ProjectModifiedChanged = 6002;
// KvMediaLibraryGoToMsg: show a category, folder or item of the media library.
constexpr int MediaLibraryGoTo = 6003;
// FTemplateUseMessage: start a template project from a template of the start page.
constexpr int TemplateUse = 6004;

} // namespace KvMessageId
