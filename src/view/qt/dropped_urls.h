#pragma once

#include <QList>
#include <QMimeData>
#include <QUrl>
#include <vector>

#include "view/launcher_view.h"

// One dropped object per URL: a local file gives its folder's list as the parent and its
// own name as the one child item; any other URL gives the empty list as the parent and
// the whole URI as the child. URLs that cannot be made into lists are left out.
std::vector<DroppedObject> DroppedObjectsFromUrls(const QList<QUrl>& urls);

// How a drag of `data` is answered: copy where the source allows it, else link; never
// move, since a move invites the source to delete its file. IgnoreAction refuses the
// drag: data without URLs, or a source that offers only moving.
Qt::DropAction DropActionFor(const QMimeData* data, Qt::DropActions possible);
