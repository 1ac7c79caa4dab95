// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the preview adds to the entry window: F9 "確認" opens the preview of the current slip, the
// print question lists values that run into each other, and the status line says when a job was
// accepted.

class SlipEntry;
class PreviewWindow;

namespace rova::print
{
class SlipJobs;
}

namespace rova
{

void bindPreview(SlipEntry& main, PreviewWindow& preview, print::SlipJobs& jobs);

} // namespace rova
