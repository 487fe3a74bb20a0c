// SPDX-License-Identifier: MIT
#pragma once
// Progress and the closing summary of a batch run. On a terminal a progress bar
// shows "i of N prepared" and the photo in hand; at the end one line
// "N reduced, M copied, K passed over" (", F failed" when photos failed, ", U
// folders not read" when folders could not be listed), one line per folder not
// read and one per photo passed over or failed, with its reason.
// Photos are reported strictly in list order, whoever finished them first.

#include "PhotoJobList.h"
#include "PhotoOutcome.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

class BatchReport {
public:
    BatchReport(std::ostream& out, bool terminal, std::size_t total);

    // The photo at `index` is next; the bar shows how many are prepared so far.
    void Starting(std::size_t index, const PhotoJob& job);
    // The photo at `index` is finished (called in list order).
    void Finished(std::size_t index, const PhotoJob& job, const PhotoOutcome& outcome);
    // Folders whose photos could not all be listed: the run fails.
    void FoldersNotRead(const std::vector<UnlistedFolder>& folders);
    // Clears the bar and writes the summary.
    void Close();

    bool AnyFailed() const { return m_failed > 0 || !m_foldersNotRead.empty(); }
    // The system's reason when the output folder refused a photo for every photo
    // (no space left, read-only, ...); empty otherwise.
    const std::string& FolderFailure() const { return m_folderFailure; }
    std::size_t FinishedCount() const { return m_reduced + m_copied + m_passedOver + m_failed; }

private:
    void ShowBar(std::size_t prepared, const std::string& name);

    std::ostream& m_out;
    bool m_terminal;
    std::size_t m_total;
    std::size_t m_reduced = 0;
    std::size_t m_copied = 0;
    std::size_t m_passedOver = 0;
    std::size_t m_failed = 0;
    std::vector<std::string> m_reasons;  // "path: reason", in list order
    std::vector<std::string> m_foldersNotRead;  // "folder: reason"
    std::string m_folderFailure;
};
