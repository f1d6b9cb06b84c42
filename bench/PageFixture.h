// The shipped English data, a new character of the class that gives a page the
// most rows, and the page itself shown offscreen: what the page benchmarks
// measure against.
#pragma once

#include <QApplication>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "SilentPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "shell/CShellContext.h"

struct PageFixture {
    SilentPrompt prompt;
    CAppSettings settings;
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    std::unique_ptr<CShellContext> context;
    std::unique_ptr<CQuillmarDoc> doc;
    std::string className;
    std::size_t rows = 0;

    // The class for which rowCount (given the document of that class) is largest.
    explicit PageFixture(const std::function<std::size_t(CGameDatabase&, const CQuillmarDoc&)>& rowCount,
                         std::string_view option = {})
    {
        database.Load("en");
        context = std::make_unique<CShellContext>(CShellContext{database, settings, prompt, UiLanguage::English});
        const CClassTable& classes = database.Classes();
        for (int i = 0; i < classes.Count(); ++i) {
            OpenCharacter(classes.Name(i), option);
            const std::size_t count = rowCount(database, *doc);
            if (count > rows) {
                rows = count;
                className = classes.Name(i);
            }
        }
        OpenCharacter(className, option);
    }

    void OpenCharacter(const std::string& name, std::string_view option)
    {
        doc = std::make_unique<CQuillmarDoc>(database, settings);
        doc->SetClass(name);
        doc->ActivateSelection();
        doc->SetLevel(50.0f);
        if (!option.empty())
            doc->SetOption(option, 1);
    }

    template <typename Page>
    std::unique_ptr<Page> ShownPage()
    {
        auto page = std::make_unique<Page>(*context, *doc);
        page->resize(page->TemplateSize());
        page->show();
        QApplication::processEvents();
        return page;
    }
};
