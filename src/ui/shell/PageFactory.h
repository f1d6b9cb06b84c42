// Creates the planner page of a page number, as a child of the given widget.
#pragma once

#include <functional>
#include <memory>

#include "shell/CAPage.h"

// The view asks one of these for every page it shows; tests put in their own.
using PageFactory = std::function<std::unique_ptr<CAPage>(PageId id, CShellContext& context,
                                                          CQuillmarDoc& document, QWidget* parent)>;

// The program's pages; an empty page for those that do not exist yet.
std::unique_ptr<CAPage> CreatePage(PageId id, CShellContext& context, CQuillmarDoc& document,
                                   QWidget* parent);
