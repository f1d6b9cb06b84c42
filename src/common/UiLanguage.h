// Language of the user interface (menus, message boxes). Independent of the
// data language, which is the name of the data folder ("de" or "en").
#pragma once

enum class UiLanguage { German, English };
