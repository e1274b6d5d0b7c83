#pragma once
// The jobs of the private CUPS test server, read back over IPP: which queue
// took the newest job, and the attributes a job was given ("media",
// "InputSlot"). Needs Cups::Cups and UseTestCupsServer().

#include <cups/cups.h>

#include <string>

namespace ruvo::test {

// The job's attribute `name` as CUPS keeps it ("A5", "Manual"); empty when
// the job has none.
inline std::string JobAttribute(int jobId, const char* name) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  const std::string uri = "ipp://localhost/jobs/" + std::to_string(jobId);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  char text[256] = "";
  if (ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO))
    ippAttributeString(attribute, text, sizeof text);
  ippDelete(response);
  return text;
}

struct NewestJob {
  int id = 0;  // 0: the server has no job
  std::string queue;
};

// The job the server took last, on any queue, finished or not. libcups
// gives the queue as its URI has it ("ruvo_caf%C3%A9"); it is decoded.
inline NewestJob NewestJobOnTheServer() {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
  NewestJob newest;
  for (int i = 0; i < count; ++i) {
    if (jobs[i].id > newest.id) newest = {jobs[i].id, jobs[i].dest};
  }
  cupsFreeJobs(count, jobs);
  std::string decoded;
  for (std::size_t i = 0; i < newest.queue.size(); ++i) {
    if (newest.queue[i] == '%' && i + 2 < newest.queue.size()) {
      decoded += static_cast<char>(std::stoi(newest.queue.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      decoded += newest.queue[i];
    }
  }
  newest.queue = decoded;
  return newest;
}

}  // namespace ruvo::test
