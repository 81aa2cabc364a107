#pragma once

class CKvwinDoc;

namespace platform {
class CommandMap;
}

// The document's handlers and update handlers, by command id.
void RegisterDocumentCommands(platform::CommandMap& map, CKvwinDoc& doc);
