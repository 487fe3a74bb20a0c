// SPDX-License-Identifier: MIT
#include "BatchReport.h"

#include "core/FileNames.h"

namespace {

constexpr std::size_t kBarWidth = 30;
constexpr std::size_t kLongestName = 40;

std::string Shortened(const std::string& name)
{
    if (name.size() <= kLongestName)
        return name;
    // Keep the end, where the name differs; step back to the start of a UTF-8 sequence.
    std::size_t start = name.size() - (kLongestName - 3);
    while (start < name.size() && (static_cast<unsigned char>(name[start]) & 0xC0) == 0x80)
        ++start;
    return "..." + name.substr(start);
}

}  // namespace

BatchReport::BatchReport(std::ostream& out, bool terminal, std::size_t total)
    : m_out(out), m_terminal(terminal), m_total(total)
{
}

void BatchReport::Starting(std::size_t index, const PhotoJob& job)
{
    ShowBar(index, job.displayName);
}

void BatchReport::Finished(std::size_t index, const PhotoJob& job, const PhotoOutcome& outcome)
{
    switch (outcome.result) {
    case PhotoResult::Reduced:
        ++m_reduced;
        break;
    case PhotoResult::Copied:
        ++m_copied;
        break;
    case PhotoResult::Failed:
        ++m_failed;
        m_reasons.push_back(job.source.string() + ": " + outcome.reason);
        if (!outcome.folderFailure.empty())
            m_folderFailure = outcome.folderFailure;
        break;
    case PhotoResult::PassedOver:
        ++m_passedOver;
        m_reasons.push_back(job.source.string() + ": " + outcome.reason);
        break;
    }
    ShowBar(index + 1, job.displayName);
}

void BatchReport::FoldersNotRead(const std::vector<UnlistedFolder>& folders)
{
    for (const UnlistedFolder& folder : folders)
        m_foldersNotRead.push_back(folder.folder.string() + ": " + folder.reason);
}

void BatchReport::Close()
{
    if (m_terminal)
        m_out << "\r\033[K";
    m_out << m_reduced << " reduced, " << m_copied << " copied, " << m_passedOver << " passed over";
    if (m_failed > 0)
        m_out << ", " << m_failed << " failed";
    if (!m_foldersNotRead.empty())
        m_out << ", " << m_foldersNotRead.size() << (m_foldersNotRead.size() == 1 ? " folder" : " folders")
              << " not read";
    m_out << '\n';
    for (const std::string& line : m_foldersNotRead)
        m_out << "  " << snapwane::PrintableName(line) << '\n';
    for (const std::string& line : m_reasons)
        m_out << "  " << snapwane::PrintableName(line) << '\n';
    m_out.flush();
}

void BatchReport::ShowBar(std::size_t prepared, const std::string& name)
{
    if (!m_terminal || m_total == 0)
        return;
    const std::size_t filled = kBarWidth * prepared / m_total;
    m_out << "\r\033[K[" << std::string(filled, '#') << std::string(kBarWidth - filled, '-') << "] " << prepared
          << " of " << m_total << " prepared  " << Shortened(snapwane::PrintableName(name)) << std::flush;
}
