[playlist]
File1=http://vt.example/
Title1=Form feed
Length1=-1
