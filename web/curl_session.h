// What both libcurl users share: the one-time library set-up, and the
// TZL_CONNECT_TO entries in the form CURLOPT_CONNECT_TO takes.
#pragma once

#include <curl/curl.h>

#include <string>

namespace tzl {

// curl_easy_init after a process-wide curl_global_init; null on failure.
CURL* NewCurlHandle();

// The current TZL_CONNECT_TO entries as a libcurl list (null when there are
// none); the caller frees it with curl_slist_free_all.
curl_slist* CurlConnectToList();

}  // namespace tzl
