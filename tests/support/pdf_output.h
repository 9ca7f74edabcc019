// Reading back what a PDF printer queue wrote, for end-to-end tests under
// Wine: the queue (cups-pdf) puts each job in ~/PDF of the user's account, and the
// poppler tools of the host read it, run through the host's shell.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Whether this runs under Wine with the host's PDF tools at hand and the PDF
// queue "VelmoraPDF" as the default printer (tests/output/pdf_queue.sh);
// tests of printed output skip themselves otherwise.
bool PdfToolsAvailable();

// Runs a command line in the host's shell and returns what it wrote to its
// standard output, as UTF-8; empty when it could not run.
std::string RunHostShell(const std::string& command);

// The host paths of the PDF files in the queue's folder.
std::vector<std::string> PdfFiles();

// Waits for a PDF file that is not among before and that the tools can read
// whole; its host path, or empty on timeout.
std::string WaitForNewPdf(const std::vector<std::string>& before);

int PdfPageCount(const std::string& pdf);
// A field of pdfinfo's report ("Pages", "Page rot", ...), without its name.
std::string PdfInfoField(const std::string& pdf, const std::string& field);
// The text of one page (counted from 1), in UTF-16: laid out by lines, or
// raw, in the order the page drew it.
std::wstring PdfPageText(const std::string& pdf, int page, bool raw = false);
