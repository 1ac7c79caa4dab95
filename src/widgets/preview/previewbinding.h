#pragma once
// What the preview adds to the entry window: F9 "確認" opens the preview of the current slip, the
// print question lists values that run into each other, and the status line says when a job was
// accepted.

class MainWindow;
class PreviewWindow;

namespace rova::print
{
class SlipJobs;
}

namespace rova
{

void bindPreview(MainWindow& main, PreviewWindow& preview, print::SlipJobs& jobs);

} // namespace rova
