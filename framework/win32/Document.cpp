#include "framework/Document.h"

#include <algorithm>

void CDocument::RemoveView(CView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}
